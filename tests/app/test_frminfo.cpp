#include "app/frminfo.h"
#include "app/frminizio.h"
#include "ui/label.h"
#include "ui/push_button.h"
#include "ui/registry.h"

#include <QtTest>

class TestFrminfo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        ui::Registry::instance().destroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void looksAsDesigned()
    {
        frminfo w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Informazioni"));
        QCOMPARE(w.size(), QSize(402, 202));
        QVERIFY(w.windowFlags() & Qt::Tool); // no task-bar entry
        QStringList captions;
        for (ui::Label *l : {w.Label10, w.Label4, w.Label5, w.Label8, w.Label9, w.Label2, w.Label3})
            captions << l->text();
        QCOMPARE(captions, QStringList({"Numerandia", "versione: ", "1.0", "data: ", "10 marzo 2003",
                                        "autore: ", "e-mail: "}));
        QVERIFY(w.Label7->text().endsWith(QStringLiteral("@example.org")));
        // The blue rule under the name, three pixels thick, from x 112 to 336.
        const QImage shot = w.grab().toImage();
        for (int y : {71, 72, 73})
            QCOMPARE(shot.pixelColor(200, y), QColor(0, 0, 255));
        QVERIFY(shot.pixelColor(200, 75) != QColor(0, 0, 255));
        QVERIFY(shot.pixelColor(340, 72) != QColor(0, 0, 255));
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
