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

    void looksAsDesigned_data()
    {
        QTest::addColumn<QPoint>("twips");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("background") << QPoint(60, 3000) << QColor(128, 255, 128);
        QTest::newRow("abaco, light rose") << QPoint(300, 300) << QColor(255, 192, 192);
        QTest::newRow("colora, lavender blue") << QPoint(300, 900) << QColor(192, 192, 255);
        QTest::newRow("componi, yellow") << QPoint(300, 1500) << QColor(255, 255, 0);
        QTest::newRow("primi, light orange") << QPoint(300, 2100) << QColor(255, 192, 128);
        QTest::newRow("Istruzioni, light pink") << QPoint(3540, 2940) << QColor(255, 192, 255);
        QTest::newRow("Esci, light pink") << QPoint(3540, 4140) << QColor(255, 192, 255);
    }
    void looksAsDesigned()
    {
        QFETCH(QPoint, twips);
        QFETCH(QColor, colour);
        frminizio w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Numerandia"));
        QCOMPARE(w.size(), QSize(289, 289));
        const QImage shot = w.grab().toImage();
        QCOMPARE(shot.pixelColor(ui::px(twips.x()), ui::px(twips.y())), colour);
        // The picture buttons show their pictures over the face.
        QVERIFY(shot.pixelColor(ui::px(3787), ui::px(3187)) != QColor(255, 192, 255));
        QVERIFY(shot.pixelColor(ui::px(3787), ui::px(3907)) != QColor(255, 192, 255));
        QCOMPARE(w.cmdabaco->text() + w.cmdcolora->text() + w.cmdcomponi->text() + w.cmdprimi->text(),
                 QStringLiteral("Componi l'abacoColora la frazioneComponi il numeroNumeri primi"));
        QCOMPARE(w.cmdistruzioni->toolTip() + w.cmdesci->toolTip(), QStringLiteral("IstruzioniEsci"));
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
