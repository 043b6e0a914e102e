#include "controls/shape.h"
#include "support/beeps.h"
#include "support/windows.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

// The cells a pupil sees coloured, by the colour of their middle pixel.
QList<int> colouredCells(QWidget *w)
{
    const QImage shot = w->grab().toImage();
    QList<int> cells;
    for (int k = 1; k <= 100; ++k)
        if (shot.pixelColor(control(w, QStringLiteral("lbl(%1)").arg(k))->geometry().center()) == QColor(0, 0, 255))
            cells << k;
    return cells;
}

// What the pupil meets after an answer: the fraction, right:wrong, the message, the
// coloured cells, and the beeps since the count given.
QString shown(QWidget *w, const Beeps &beeps)
{
    const auto text = [w](const char *name) { return textOf(control(w, QLatin1String(name))); };
    return QStringLiteral("%1/%2 %3:%4 %5 cells %6 beeps %7")
        .arg(text("lblnum"), text("lblden"), text("lbles"), text("lbler"), text("lblmess"))
        .arg(colouredCells(w).size())
        .arg(beeps.count);
}

// The beads or blocks in sight, by name.
QStringList piecesInSight(QWidget *w)
{
    QStringList seen;
    for (const QWidget *piece : w->findChildren<QWidget *>())
        if (piece->isVisible() && (qobject_cast<const ui::Shape *>(piece) || piece->objectName().startsWith("imgk"))
            && piece->objectName() != "Shape2")
            seen << piece->objectName();
    return seen;
}

} // namespace

// The drills at work: presses on the real buttons, the answers judged, what the
// pupil then sees; and the prime checker's answers.
class TestDrills : public QObject {
    Q_OBJECT

    // First target 5,48; after a right answer, 37.
    static ui::Form *openAbacus()
    {
        return open(QStringLiteral("frmabaco"), {0.1f, 0.5f, 0.5f, 0.5f, 0.5f, 0.37f, 0.1f, 0.04f});
    }

    // Draws 1234, then 5678 after a right answer.
    static ui::Form *openBlocks() { return open(QStringLiteral("frmcomponi"), {1134.5f / 9900, 5578.5f / 9900}); }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { closeAll(); }

    // Presses on the abacus (first target 5,48, then 37) or the blocks (1.234, then
    // 5.678), and what follows: the beads or blocks in sight, the value the window keeps
    // for them, the target, the counts, the message and the beeps.
    void presses_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("inSight");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("rightWrong");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("beeps");
        const auto row = [](const char *name, const char *window, const char *script, const QStringList &inSight,
                            const char *value, const char *target, const char *rightWrong, const char *message,
                            int beeps) {
            QTest::newRow(name) << window << script << inSight << value << target << rightWrong << message << beeps;
        };
        const char *right = "Giusto, complimenti!";
        const char *wrong = "Attento... Riprova!";
        row("a right press takes the top bead", "frmabaco", "cmdu*3 cmdu:right", {"u1", "u2"}, "2", "5,48", "0:0", "", 0);
        row("Delete takes it too", "frmabaco", "cmdd*2 cmdd:delete", {"d1"}, "0,1", "5,48", "0:0", "", 0);
        row("Delete held takes one", "frmabaco", "cmdd*3 cmdd:delete-held", {"d1", "d2"}, "0,2", "5,48", "0:0", "", 0);
        row("right with the left held", "frmabaco", "cmdu*2 cmdu:right-over-left", {"u1", "u2", "u3"}, "3", "5,48", "0:0", "", 0);
        row("abacus, right answer", "frmabaco", "cmdu*6 cmdu:right cmdd*4 cmdc*8 cmdconferma", {}, "0", "37", "1:0", right, 0);
        row("abacus, wrong answer", "frmabaco", "cmdu*5 cmdd*4 cmdc*8 cmdm cmdconferma", {}, "0", "5,48", "0:1", wrong, 1);
        row("abacus, empty board", "frmabaco", "cmdconferma", {}, "0", "5,48", "0:1", wrong, 1);
        row("left, left, right on Decine; middle on Centinaia", "frmcomponi", "cmddieci*2 cmddieci:right cmdcento cmdcento:middle",
            {"shph(1)", "shpda(1)"}, "110", "1.234", "0:0", "", 0);
        row("blocks, right with the left held", "frmcomponi", "cmdmille cmdmille:right-over-left", {"imgk(1)", "imgk(2)"}, "2000", "1.234", "0:0", "", 0);
        row("Delete takes a block away", "frmcomponi", "cmduno*2 cmduno:delete", {"shpu(1)"}, "1", "1.234", "0:0", "", 0);
        row("blocks, empty board", "frmcomponi", "cmdconferma", {}, "0", "1.234", "0:1", wrong, 1);
        row("blocks, right answer", "frmcomponi", "cmdmille cmdcento*2 cmddieci*3 cmduno*4 cmdconferma", {}, "0", "5.678", "1:0", right, 0);
        row("blocks, wrong answer", "frmcomponi", "cmdmille cmdcento*2 cmddieci*3 cmduno*3 cmdconferma", {}, "0", "1.234", "0:1", wrong, 1);
        // The wrong answer leaves nothing behind to add to the right one.
        row("blocks, right after wrong", "frmcomponi", "cmdmille*2 cmdconferma cmdmille cmdcento*2 cmddieci*3 cmduno*4 cmdconferma",
            {}, "0", "5.678", "1:1", right, 1);
    }
    void presses()
    {
        QFETCH(QString, window);
        QFETCH(QString, script);
        const bool abacus = window == "frmabaco";
        ui::Form *w = abacus ? openAbacus() : openBlocks();
        Beeps beeps;
        play(w, script);
        const auto text = [w](const char *name) { return textOf(control(w, QLatin1String(name))); };
        QTEST(piecesInSight(w), "inSight");
        QTEST(text(abacus ? "lblnum" : "lblr"), "value");
        QTEST(text(abacus ? "lbln" : "lblnum"), "target");
        QTEST(text("lbles") + ':' + text("lbler"), "rightWrong");
        QTEST(text("lblmess"), "message");
        QTEST(beeps.count, "beeps");
    }

    // A wrong answer's beep sounds after the message, and before the wrong count is
    // written on the abacus and the grid, after it on the blocks.
    void beepOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("atTheBeep"); // the message and the wrong count
        QTest::newRow("abacus") << "frmabaco" << "Attento... Riprova! 0";
        QTest::newRow("fractions") << "frmcolora" << "Attento... Riprova! 0";
        QTest::newRow("blocks") << "frmcomponi" << "Attento... Riprova! 1";
    }
    void beepOrder()
    {
        QFETCH(QString, window);
        ui::Form *w = open(window, {0.1f, 0.5f, 0.5f, 0.5f});
        QStringList atTheBeep;
        Beeps beeps;
        beeps.atBeep = [&] {
            atTheBeep << textOf(control(w, QStringLiteral("lblmess"))) + ' ' + textOf(control(w, QStringLiteral("lbler")));
        };
        play(w, "cmdconferma");
        QTEST(atTheBeep.join('|'), "atTheBeep");
    }

    // Each rod's first bead in its colour, nine beads a rod 360 twips apart, and the
    // message in blue.
    void abacusLooks()
    {
        ui::Form *w = openAbacus();
        play(w, "cmdh cmdda cmdu*9 cmdd cmdc cmdm");
        const QImage shot = w->grab().toImage();
        const QColor rods[] = {{0, 192, 0}, {255, 0, 0}, {0, 0, 0}, {255, 255, 0}, {255, 255, 0}, {255, 255, 0}};
        for (int r = 0; r < 6; ++r)
            QCOMPARE(pixel(shot, 780 + 1080 * r, 4147), rods[r]);
        QCOMPARE(pixel(shot, 2900, 1267), QColor(0, 0, 0));       // the ninth unit
        QCOMPARE(pixel(shot, 2900, 1020), QColor(255, 192, 255)); // and nothing above it
        play(w, "cmdconferma");
        QCOMPARE(ink(w, QStringLiteral("lblmess")), QColor(0, 0, 255));
    }

    void fractionLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<int>>("withLine");
        QTest::newRow("row 3") << "cmdo(3)" << QList<int>{21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 55};
        QTest::newRow("column 10") << "cmdv(10)" << QList<int>{10, 20, 30, 40, 50, 55, 60, 70, 80, 90, 100};
    }

    // A right click toggles a cell as a left one does, and a double click toggles it
    // once. A line colours on the completed left click and clears on the right press,
    // before the release; cell 30 lies on both lines, cell 55 on neither.
    void fractionLines()
    {
        QFETCH(QString, line);
        ui::Form *w = open(QStringLiteral("frmcolora"), {0.0f, 0.0f});
        QWidget *button = control(w, line);
        play(w, "lbl(30):right lbl(55):right lbl(77)");
        QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {},
                           control(w, QStringLiteral("lbl(77)"))->geometry().center());
        QCOMPARE(colouredCells(w), QList<int>({30, 55}));
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(colouredCells(w), QList<int>({30, 55}));
        QTest::mouseRelease(button, Qt::LeftButton);
        QTEST(colouredCells(w), "withLine");
        QTest::mousePress(button, Qt::RightButton);
        QCOMPARE(colouredCells(w), QList<int>{55});
        QTest::mouseRelease(button, Qt::RightButton);
        play(w, "cmdcanc");
        QCOMPARE(colouredCells(w), QList<int>{});
    }

    // A sitting: a wrong answer, a right one, then the instructions.
    void fractionSitting()
    {
        // 1/10, then 37/100 after the right answer; a further draw would throw.
        QPointer<ui::Form> w = open(QStringLiteral("frmcolora"), {0.0f, 0.0f, 0.5f, 0.365f});
        auto *time = control<QTimer>(w, QStringLiteral("time"));
        Beeps beeps;
        play(w, "lbl(5) cmdconferma");
        QCOMPARE(shown(w, beeps), "1/10 0:1 Attento... Riprova! cells 0 beeps 1");
        QCOMPARE(ink(w, QStringLiteral("lblmess")), QColor(255, 0, 255));

        // Each answer restarts the interval, so that its message stays the whole of it.
        QTRY_VERIFY(time->remainingTime() < 2000);
        play(w, "cmdo(7) cmdconferma");
        QVERIFY(time->remainingTime() > 2000);
        QCOMPARE(shown(w, beeps), "37/100 1:1 Giusto, complimenti! cells 0 beeps 1");
        QTRY_COMPARE_WITH_TIMEOUT(textOf(control(w, QStringLiteral("lblmess"))), QString(), 4000);

        // One instructions window however often asked for; the drill stays usable, and
        // leaving it with Esc, as with Fine, leaves the instructions open.
        play(w, "cmdistruzioni cmdistruzioni");
        QCOMPARE(ui::Registry::instance().forms().size(), std::size_t(2));
        play(w, "lbl(42)");
        QCOMPARE(colouredCells(w), QList<int>{42});
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(w.isNull());
        QPointer<frmistruzioni> instructions = ui::Registry::instance().find<frmistruzioni>();
        QVERIFY(instructions->isVisible());
        QTest::keyClick(instructions, Qt::Key_Escape);
        QTRY_VERIFY(instructions.isNull());
    }

    // Blocks in their colours where the layout puts them, each over the one before; the
    // cube light blue; the message in blue.
    void blockLooks()
    {
        ui::Form *w = openBlocks();
        play(w, "cmduno*2 cmddieci cmdcento*2 cmdmille");
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

    // Each row types its inputs in turn, each followed by Enter (the keypad's after a
    // "#", or a click on "Calcola" after a "*"), and checks what shows last.
    void primesCalculate_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("list"); // under its heading
        QTest::newRow("12") << QStringList{"12"} << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
        QTest::newRow("the keypad's Enter") << QStringList{"7#"} << "7 è primo" << "hidden";
        QTest::newRow("grouped as the locale groups") << QStringList{"1001*"} << "1.001 non è primo, ha 6 divisori"
                                                      << "7 - 11 - 13 - 77 - 91 - 143";
        QTest::newRow("1") << QStringList{"1"} << "1 non è primo" << "hidden";
        QTest::newRow("a prime hides the list") << QStringList{"12", "97*"} << "97 è primo" << "hidden";
        QTest::newRow("list replaced") << QStringList{"12", "9"} << "9 non è primo, ha 1 divisore" << "3";
        QTest::newRow("refused first") << QStringList{"abc"} << "hidden" << "hidden";
        for (const char *refused : {"", "0", "50000001*", "12.5"})
            QTest::addRow("refused '%s' keeps the answer", refused)
                << QStringList{"12", refused} << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
    }
    void primesCalculate()
    {
        QFETCH(QStringList, inputs);
        ui::Form *w = open(QStringLiteral("frmprimi"));
        auto *txt = control<QLineEdit>(w, QStringLiteral("txt"));
        for (QString input : inputs) {
            const QChar how = input.isEmpty() ? QChar() : input.back();
            QTest::keyClicks(QApplication::focusWidget(), input.remove(u'*').remove(u'#'));
            if (how == u'*')
                QTest::mouseClick(control(w, QStringLiteral("cmd")), Qt::LeftButton);
            else if (how == u'#')
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(txt->text(), QString());
            QCOMPARE(QApplication::focusWidget(), txt);
            QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
        }
        const QWidget *lbl = control(w, QStringLiteral("lbl"));
        const auto *txtdiv = control<QPlainTextEdit>(w, QStringLiteral("txtdiv"));
        QTEST(lbl->isVisible() ? textOf(lbl) : "hidden", "verdict");
        QCOMPARE(control(w, QStringLiteral("lbldiv2"))->isVisible(), txtdiv->isVisible());
        QTEST(txtdiv->isVisible() ? txtdiv->toPlainText() : "hidden", "list");
    }
};

QTEST_MAIN(TestDrills)
#include "test_drills.moc"
