#include "support/windows.h"
#include "ui/shape.h"
#include "ui/sound.h"


class TestFrmabaco : public QObject {
    Q_OBJECT

    // First target 5,48; after a right answer, 37.
    static ui::Form *openWindow()
    {
        return open(QStringLiteral("frmabaco"), {0.1f, 0.5f, 0.5f, 0.5f, 0.5f, 0.37f, 0.1f, 0.04f});
    }

private Q_SLOTS:
    void cleanup() { closeAll(); }

    // "state": the beads in sight by name, bottom first; "=" and the value the window
    // keeps for them; "|", the target, the right and wrong counts, the message and a
    // "beep" for each beep since the window opened.
    void presses_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("state");
        QTest::newRow("a right press takes the top bead") << "cmdu L3 cmdu R" << "u1 u2 = 2 | 5,48 0 0";
        QTest::newRow("Delete takes it too") << "cmdd L2 cmdd D" << "d1 = 0,1 | 5,48 0 0";
        QTest::newRow("right with the left held") << "cmdu L2 cmdu C" << "u1 u2 u3 = 3 | 5,48 0 0";
        QTest::newRow("right answer") << "cmdu L6 cmdu R cmdd L4 cmdc L8 cmdconferma" << "= 0 | 37 1 0 Giusto, complimenti!";
        QTest::newRow("wrong answer") << "cmdu L5 cmdd L4 cmdc L8 cmdm cmdconferma" << "= 0 | 5,48 0 1 Attento... Riprova! beep";
        QTest::newRow("empty board") << "cmdconferma" << "= 0 | 5,48 0 1 Attento... Riprova! beep";
    }
    void presses()
    {
        QFETCH(QString, script);
        QFETCH(QString, state);
        ui::Form *w = openWindow();
        const long long before = ui::beepCount();
        play(w, script);
        QStringList seen;
        for (const ui::Shape *shape : w->findChildren<ui::Shape *>())
            if (shape->objectName() != "Shape2" && shape->isVisible())
                seen << shape->objectName();
        seen << "=";
        for (const char *name : {"lblnum", "|", "lbln", "lbles", "lbler", "lblmess"})
            seen << (name[0] == '|' ? QStringLiteral("|") : textOf(control(w, QLatin1String(name))));
        seen << QStringLiteral("beep").repeated(ui::beepCount() - before);
        QCOMPARE(seen.join(u' ').trimmed(), state);
    }

    // Each rod's first bead in its colour, nine beads a rod 360 twips apart, and the
    // message in blue.
    void looks()
    {
        ui::Form *w = openWindow();
        play(w, "cmdh cmdda cmdu L9 cmdd cmdc cmdm");
        const QImage shot = w->grab().toImage();
        const QColor rods[] = {{0, 192, 0}, {255, 0, 0}, {0, 0, 0}, {255, 255, 0}, {255, 255, 0}, {255, 255, 0}};
        for (int r = 0; r < 6; ++r)
            QCOMPARE(pixel(shot, 780 + 1080 * r, 4147), rods[r]);
        QCOMPARE(pixel(shot, 2900, 1267), QColor(0, 0, 0));       // the ninth unit
        QCOMPARE(pixel(shot, 2900, 1020), QColor(255, 192, 255)); // and nothing above it
        play(w, "cmdconferma");
        QCOMPARE(ink(w, QStringLiteral("lblmess")), QColor(0, 0, 255));
    }
};

QTEST_MAIN(TestFrmabaco)
#include "test_frmabaco.moc"
