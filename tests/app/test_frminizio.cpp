#include "abaco/frmabaco.h"
#include "app/frminfo.h"
#include "app/frminizio.h"
#include "colora/frmcolora.h"
#include "componi/frmcomponi.h"
#include "primi/frmprimi.h"
#include "ui/colour.h"
#include "ui/picture_button.h"
#include "ui/registry.h"
#include "ui/twips.h"

#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

class TestFrminizio : public QObject {
    Q_OBJECT

    static frminizio *open()
    {
        auto *w = ui::show<frminizio>();
        if (!QTest::qWaitForWindowActive(w))
            qWarning("start window not active");
        return w;
    }

    template <class W>
    static bool gone(QPointer<W> &w)
    {
        return QTest::qWaitFor([&] { return w.isNull(); });
    }

    template <class W>
    static void opens(ui::PushButton *frminizio::*button)
    {
        QPointer<frminizio> w = open();
        QPointer<frminfo> info = ui::show<frminfo>();
        QSignalSpy ended(&ui::Registry::instance(), &ui::Registry::programEnded);
        QTest::mouseClick((w.data()->*button), Qt::LeftButton);
        auto *activity = ui::Registry::instance().find<W>();
        QVERIFY(activity && activity->isVisible());
        QVERIFY(gone(w));
        QVERIFY(info && info->isVisible());
        QTest::keyClick(info.data(), Qt::Key_Escape);
        QVERIFY(gone(info));
        QVERIFY(activity->isVisible());
        QCOMPARE(ended.count(), 0);
    }

    static void closeAll()
    {
        ui::Registry::instance().destroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private Q_SLOTS:
    void cleanup() { closeAll(); }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint32>("face");
        QTest::newRow("abaco") << "cmdabaco" << QRect(240, 240, 3855, 375) << "Componi l'abaco" << quint32(0x00C0C0FF);
        QTest::newRow("colora") << "cmdcolora" << QRect(240, 840, 3855, 375) << "Colora la frazione" << quint32(0x00FFC0C0);
        QTest::newRow("componi") << "cmdcomponi" << QRect(240, 1440, 3855, 375) << "Componi il numero" << quint32(0x0000FFFF);
        QTest::newRow("primi") << "cmdprimi" << QRect(240, 2040, 3855, 375) << "Numeri primi" << quint32(0x0080C0FF);
        QTest::newRow("istruzioni") << "cmdistruzioni" << QRect(3480, 2880, 615, 615) << "" << quint32(0x00FFC0FF);
        QTest::newRow("esci") << "cmdesci" << QRect(3480, 3600, 615, 615) << "" << quint32(0x00FFC0FF);
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(quint32, face);
        frminizio w;
        auto *button = w.findChild<ui::PushButton *>(name);
        QVERIFY(button);
        QCOMPARE(button->geometry(), ui::rect(twips.x(), twips.y(), twips.width(), twips.height()));
        QCOMPARE(button->text(), text);
        QCOMPARE(button->face(), ui::vbColor(face));
    }

    void windowLooksAsDesigned()
    {
        frminizio w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Numerandia"));
        QCOMPARE(w.size(), QSize(289, 289));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(128, 255, 128));
        QCOMPARE(w.cmdistruzioni->toolTip(), QStringLiteral("Istruzioni"));
        QCOMPARE(w.cmdesci->toolTip(), QStringLiteral("Esci"));
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(w.cmdabaco->font().italic());
    }

    void startsCentredWithFocusOnTheAbacus()
    {
        frminizio *w = open();
        const QRect screen = w->screen()->geometry();
        QCOMPARE(w->frameGeometry().center().x(), screen.center().x());
        QVERIFY(qAbs(w->frameGeometry().center().y() - screen.center().y()) <= 1);
        QCOMPARE(QApplication::focusWidget(), w->cmdabaco);
    }

    void tabOrder()
    {
        open();
        const QStringList expected{"cmdcolora", "cmdcomponi", "cmdprimi", "cmdesci", "Picture1",
                                   "cmdistruzioni", "cmdabaco"};
        for (const QString &name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        }
    }

    void escapeOrEsciEndsTheProgram_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Esc") << true;
        QTest::newRow("Esci") << false;
    }
    void escapeOrEsciEndsTheProgram()
    {
        QFETCH(bool, escape);
        QPointer<frminizio> w = open();
        QPointer<frminfo> info = ui::show<frminfo>();
        QSignalSpy ended(&ui::Registry::instance(), &ui::Registry::programEnded);
        if (escape)
            QTest::keyClick(w.data(), Qt::Key_Escape);
        else
            QTest::mouseClick(w->cmdesci, Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QVERIFY(gone(w));
        QVERIFY(gone(info));
    }

    void istruzioniOpensOneInformationWindow()
    {
        frminizio *w = open();
        QTest::mouseClick(w->cmdistruzioni, Qt::LeftButton);
        auto *info = ui::Registry::instance().find<frminfo>();
        QVERIFY(info && info->isVisible());
        QTest::mouseClick(w->cmdistruzioni, Qt::LeftButton);
        QCOMPARE(ui::Registry::instance().find<frminfo>(), info);
        QVERIFY(w->isVisible());
    }

    void activityButtonsOpenTheirWindow()
    {
        opens<frmabaco>(&frminizio::cmdabaco);
        closeAll();
        opens<frmcolora>(&frminizio::cmdcolora);
        closeAll();
        opens<frmcomponi>(&frminizio::cmdcomponi);
        closeAll();
        opens<frmprimi>(&frminizio::cmdprimi);
    }

    void closeBoxLeavesTheInformationWindowRunning()
    {
        QPointer<frminizio> w = open();
        QPointer<frminfo> info = ui::show<frminfo>();
        QSignalSpy ended(&ui::Registry::instance(), &ui::Registry::programEnded);
        w->close();
        QVERIFY(gone(w));
        QCOMPARE(ended.count(), 0);
        info->close();
        QVERIFY(gone(info));
        QCOMPARE(ended.count(), 1);
    }
};

QTEST_MAIN(TestFrminizio)
#include "test_frminizio.moc"
