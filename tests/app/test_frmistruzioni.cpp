#include "app/frminizio.h"
#include "app/frmistruzioni.h"
#include "ui/label.h"
#include "ui/push_button.h"
#include "ui/registry.h"

#include <QtTest>

class TestFrmistruzioni : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        ui::Registry::instance().destroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void textIsTheInstructionVerbatim()
    {
        frmistruzioni w;
        const QString text = w.Label1->text();
        QCOMPARE(text.size(), 295);
        QVERIFY(text.startsWith(QStringLiteral("Per selezionare le caselle, basta fare clic su di esse,  per")));
        QVERIFY(text.contains(QStringLiteral("si può cliccare")));
        QVERIFY(text.endsWith(QStringLiteral("col tasto destro del mouse.")));
        QCOMPARE(w.windowTitle(), QStringLiteral("Istruzioni"));
        QCOMPARE(w.size(), QSize(298, 233));
        // Blue text on light green, and the yellow OK button.
        const QImage shot = w.grab().toImage();
        QCOMPARE(shot.pixelColor(5, 5), QColor(128, 255, 128));
        QCOMPARE(shot.pixelColor(115, 195), QColor(255, 255, 0));
        QCOMPARE(w.Label1->textColour(), QColor(0, 0, 255));
    }

    void closesAloneOn_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 0;
        QTest::newRow("Alt+O") << int(Qt::Key_O) << int(Qt::AltModifier);
        QTest::newRow("Space on OK") << int(Qt::Key_Space) << 0;
    }
    void closesAloneOn()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QPointer<frminizio> start = ui::show<frminizio>();
        QPointer<frmistruzioni> w = ui::show<frmistruzioni>();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), w->cmdok);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(QTest::qWaitFor([&] { return w.isNull(); }));
        QVERIFY(start && start->isVisible());
    }
};

QTEST_MAIN(TestFrmistruzioni)
#include "test_frmistruzioni.moc"
