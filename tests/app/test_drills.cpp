#include "support/windows.h"
#include "ui/shape.h"
#include "ui/sound.h"

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
QString shown(QWidget *w, long long beepsBefore)
{
    const auto text = [w](const char *name) { return textOf(control(w, QLatin1String(name))); };
    return QStringLiteral("%1/%2 %3:%4 %5 cells %6 beeps %7")
        .arg(text("lblnum"), text("lblden"), text("lbles"), text("lbler"), text("lblmess"))
        .arg(colouredCells(w).size())
        .arg(ui::beepCount() - beepsBefore);
}

// After some presses: the beads or blocks in sight by name, "=" and the value the
// window keeps for them, "|", the target, the right and wrong counts, the message,
// and a "beep" for each beep since the count given.
QString afterPresses(QWidget *w, const char *valueAndTarget, long long beepsBefore)
{
    QStringList seen;
    for (const QWidget *piece : w->findChildren<QWidget *>())
        if (piece->isVisible() && (qobject_cast<const ui::Shape *>(piece) || piece->objectName().startsWith("imgk"))
            && piece->objectName() != "Shape2")
            seen << piece->objectName();
    const QStringList labels = QString::fromLatin1(valueAndTarget).split(u' ');
    seen << "=" << textOf(control(w, labels[0])) << "|" << textOf(control(w, labels[1]));
    for (const char *name : {"lbles", "lbler", "lblmess"})
        seen << textOf(control(w, QLatin1String(name)));
    seen << QStringLiteral("beep").repeated(ui::beepCount() - beepsBefore);
    return seen.join(u' ').simplified();
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

    // "state": the beads in sight by name, bottom first; "=" and the value the window
    // keeps for them; "|", the target, the right and wrong counts, the message and a
    // "beep" for each beep since the window opened.
    void abacusPresses_data()
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
    void abacusPresses()
    {
        QFETCH(QString, script);
        ui::Form *w = openAbacus();
        const long long beeps = ui::beepCount();
        play(w, script);
        QTEST(afterPresses(w, "lblnum lbln", beeps), "state");
    }

    // Each rod's first bead in its colour, nine beads a rod 360 twips apart, and the
    // message in blue.
    void abacusLooks()
    {
        ui::Form *w = openAbacus();
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
        play(w, "lbl(30) R lbl(55) R lbl(77)");
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
        const long long beeps = ui::beepCount();
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
        QVERIFY(ui::Registry::instance().find<frmistruzioni>()->isVisible());
    }

    // "state": the blocks in sight by name; "=" and the value the window keeps for them,
    // which "Conferma" leaves as it was; "|", the target, the right and wrong counts, the
    // message and a "beep" for each beep since the window opened.
    void blockPresses_data()
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
    void blockPresses()
    {
        QFETCH(QString, script);
        ui::Form *w = openBlocks();
        const long long beeps = ui::beepCount();
        play(w, script);
        QTEST(afterPresses(w, "lblr lblnum", beeps), "state");
    }

    // Blocks in their colours where the layout puts them, each over the one before; the
    // cube light blue; the message in blue.
    void blockLooks()
    {
        ui::Form *w = openBlocks();
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

    // Each row types its inputs in turn, each followed by Enter (or a click on "Calcola"
    // after a "*"), and checks what shows last.
    void primesCalculate_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("list"); // under its heading
        QTest::newRow("12") << QStringList{"12"} << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
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
            const bool click = input.endsWith(u'*');
            QTest::keyClicks(QApplication::focusWidget(), input.remove(u'*'));
            if (click)
                QTest::mouseClick(control(w, QStringLiteral("cmd")), Qt::LeftButton);
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
