#include "app/frminfo.h"
#include "app/frminizio.h"
#include "ui/colour.h"
#include "ui/label.h"
#include "ui/line.h"
#include "ui/push_button.h"
#include "ui/registry.h"
#include "ui/twips.h"

#include <QtTest>

class TestFrminfo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        ui::Registry::instance().destroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<bool>("right");
        QTest::newRow("name") << "Label10" << "Numerandia" << QRect(1680, 360, 3375, 495) << false;
        QTest::newRow("version caption") << "Label4" << "versione: " << QRect(600, 1320, 975, 255) << true;
        QTest::newRow("version") << "Label5" << "1.0" << QRect(1680, 1320, 375, 255) << false;
        QTest::newRow("date caption") << "Label8" << "data: " << QRect(960, 1680, 615, 255) << true;
        QTest::newRow("date") << "Label9" << "10 marzo 2003" << QRect(1680, 1680, 1695, 255) << false;
        QTest::newRow("author caption") << "Label2" << "autore: " << QRect(840, 2040, 735, 255) << true;
        QTest::newRow("e-mail caption") << "Label3" << "e-mail: " << QRect(600, 2400, 975, 255) << true;
        QTest::newRow("e-mail") << "Label7" << "info@example.org" << QRect(1680, 2400, 1815, 255) << false;
    }
    void captions()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, twips);
        QFETCH(bool, right);
        frminfo w;
        auto *label = w.findChild<ui::Label *>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->geometry(), ui::rect(twips.x(), twips.y(), twips.width(), twips.height()));
        QCOMPARE(bool(label->alignment() & Qt::AlignRight), right);
    }

    void windowLooksAsDesigned()
    {
        frminfo w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Informazioni"));
        QCOMPARE(w.size(), QSize(402, 202));
        QVERIFY(w.windowFlags() & Qt::Tool); // no task-bar entry
        QCOMPARE(w.Line1->colour(), ui::vbColor(0x00FF0000));
        QCOMPARE(w.Line1->lineWidth(), 3);
        QCOMPARE(w.Line1->from(), QPoint(112, 72));
        QCOMPARE(w.Line1->to(), QPoint(336, 72));
        QVERIFY(w.Label10->autoFillBackground());
        QVERIFY(!w.Label4->autoFillBackground());
        QVERIFY(w.Label1->frameStyle() != QFrame::NoFrame);
        QCOMPARE(w.cmdok->geometry(), ui::rect(5040, 2520, 855, 375));
    }

    void closesAloneOn_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 0;
        QTest::newRow("Alt+O") << int(Qt::Key_O) << int(Qt::AltModifier);
        QTest::newRow("Enter on OK") << int(Qt::Key_Return) << 0;
    }
    void closesAloneOn()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QPointer<frminizio> start = ui::show<frminizio>();
        QPointer<frminfo> w = ui::show<frminfo>();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), w->cmdok);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(QTest::qWaitFor([&] { return w.isNull(); }));
        QVERIFY(start && start->isVisible());
    }
};

QTEST_MAIN(TestFrminfo)
#include "test_frminfo.moc"
