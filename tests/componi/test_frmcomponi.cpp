#include "support/windows.h"
#include "ui/sound.h"


class TestFrmcomponi : public QObject {
    Q_OBJECT

    // Draws 1234, then 5678 after a right answer.
    static ui::Form *openWindow() { return open(QStringLiteral("frmcomponi"), {1134.5f / 9900, 5578.5f / 9900}); }

private Q_SLOTS:
    void cleanup() { closeAll(); }

    // "state": the blocks in sight by name; "=" and the value the window keeps for them,
    // which "Conferma" leaves as it was; "|", the target, the right and wrong counts, the
    // message and a "beep" for each beep since the window opened.
    void presses_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("state");
        QTest::newRow("left, left, right on Decine; middle on Centinaia")
            << "cmddieci L2 cmddieci R cmdcento cmdcento M" << "shph(1) shpda(1) = 110 | 1.234 0 0";
        QTest::newRow("right with the left held") << "cmdmille cmdmille C" << "imgk(1) imgk(2) = 2000 | 1.234 0 0";
        QTest::newRow("Delete takes a block away") << "cmduno L2 cmduno D" << "shpu(1) = 1 | 1.234 0 0";
        QTest::newRow("empty board") << "cmdconferma" << "= | 1.234 0 1 Attento... Riprova! beep";
        QTest::newRow("right answer")
            << "cmdmille cmdcento L2 cmddieci L3 cmduno L4 cmdconferma" << "= 1234 | 5.678 1 0 Giusto, complimenti!";
        QTest::newRow("wrong answer")
            << "cmdmille cmdcento L2 cmddieci L3 cmduno L3 cmdconferma" << "= 1233 | 1.234 0 1 Attento... Riprova! beep";
        // The wrong answer leaves nothing behind to add to the right one.
        QTest::newRow("right after wrong") << "cmdmille L2 cmdconferma cmdmille cmdcento L2 cmddieci L3 cmduno L4 cmdconferma"
                                           << "= 1234 | 5.678 1 1 Giusto, complimenti! beep";
    }
    void presses()
    {
        QFETCH(QString, script);
        QFETCH(QString, state);
        ui::Form *w = openWindow();
        const long long before = ui::beepCount();
        play(w, script);
        QStringList seen;
        for (const QWidget *block : w->findChildren<QWidget *>())
            if (block->objectName().contains(u'(') && block->isVisible())
                seen << block->objectName();
        seen << "=";
        for (const char *name : {"lblr", "|", "lblnum", "lbles", "lbler", "lblmess"})
            seen << (name[0] == '|' ? QStringLiteral("|") : textOf(control(w, QLatin1String(name))));
        seen << QStringLiteral("beep").repeated(ui::beepCount() - before);
        QCOMPARE(seen.join(u' ').simplified(), state);
    }

    // Blocks in their colours where the layout puts them, each over the one before; the
    // cube light blue; the message in blue.
    void looks()
    {
        ui::Form *w = openWindow();
        play(w, "cmduno L2 cmddieci cmdcento L2 cmdmille");
        const QImage shot = w->grab().toImage();
        QCOMPARE(pixel(shot, 3427, 4147), QColor(0, 0, 0));       // the second unit
        QCOMPARE(pixel(shot, 3427, 4400), QColor(255, 192, 128)); // and no third
        QCOMPARE(pixel(shot, 4747, 3907), QColor(255, 0, 0));
        QCOMPARE(pixel(shot, 3500, 400), QColor(0, 192, 0));
        QCOMPARE(pixel(shot, 3240, 480), QColor(0, 0, 0)); // the second hundred's corner, over the first
        const QColor cube = pixel(shot, 1320, 1320);
        QVERIFY2(cube.blue() >= 200 && cube.red() + 30 <= cube.blue(), qPrintable(cube.name()));
        play(w, "cmdconferma");
        QCOMPARE(ink(w, QStringLiteral("lblmess")), QColor(0, 0, 255));
    }
};

QTEST_MAIN(TestFrmcomponi)
#include "test_frmcomponi.moc"
