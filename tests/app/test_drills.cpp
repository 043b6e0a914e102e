#include "controls/shape.h"
#include "support/beeps.h"
#include "support/windows.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
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

// The beads, blocks and coloured cells in sight, by name.
QStringList inSight(QWidget *w)
{
    QStringList seen;
    for (const QWidget *piece : w->findChildren<QWidget *>())
        if (piece->isVisible() && (qobject_cast<const ui::Shape *>(piece) || piece->objectName().startsWith("imgk"))
            && piece->objectName() != "Shape2")
            seen << piece->objectName();
    for (int cell : w->objectName() == "frmcolora" ? colouredCells(w) : QList<int>{})
        seen << QStringLiteral("lbl(%1)").arg(cell);
    return seen;
}

} // namespace

// The drills at work: presses on the real buttons, the answers judged, what the
// pupil then sees; and the prime checker's answers.
class TestDrills : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { closeAll(); }

    // Presses on a drill (see openDrill() for its targets) with the mouse, the keyboard
    // and a touch screen, and what follows: the beads, blocks or cells in sight; then the
    // value the window keeps for them, the target, the counts, the message, and at each
    // beep the wrong count shown.
    void presses_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("inSight");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a right press takes the top bead") << "frmabaco" << "cmdu*3 cmdu:right" << QStringList{"u1", "u2"} << "2; 5,48; 0:0; ; ";
        QTest::newRow("Delete takes it too") << "frmabaco" << "cmdd*2 cmdd:delete" << QStringList{"d1"} << "0,1; 5,48; 0:0; ; ";
        QTest::newRow("Delete held takes one") << "frmabaco" << "cmdd*3 cmdd:delete-held" << QStringList{"d1", "d2"} << "0,2; 5,48; 0:0; ; ";
        QTest::newRow("right with the left held") << "frmabaco" << "cmdu*2 cmdu:right-over-left" << QStringList{"u1", "u2", "u3"}
                                                  << "3; 5,48; 0:0; ; ";
        QTest::newRow("taps and holds on rods") << "frmabaco" << "cmdu:tap*2 cmdu:hold cmdd:hold cmdc:tap cmdc:slide-off cmdm:mouse-held"
                                                << QStringList{"u1", "c1", "m1"} << "1,011; 5,48; 0:0; ; ";
        QTest::newRow("abacus, right answer") << "frmabaco" << "cmdu*6 cmdu:right cmdd*4 cmdc*8 cmdconferma" << QStringList{}
                                              << "0; 37; 1:0; Giusto, complimenti!; ";
        QTest::newRow("abacus, wrong answer: the beep before the count") << "frmabaco" << "cmdu*5 cmdd*4 cmdc*8 cmdm cmdconferma"
                                                                         << QStringList{} << "0; 5,48; 0:1; Attento... Riprova!; 0";
        QTest::newRow("a middle press changes nothing") << "frmabaco" << "cmdda cmdda:middle cmdconferma:middle" << QStringList{"da1"}
                                                        << "10; 5,48; 0:0; ; ";
        QTest::newRow("left, left, right on Decine; middle on Centinaia") << "frmcomponi"
            << "cmddieci*2 cmddieci:right cmdcento cmdcento:middle" << QStringList{"shph(1)", "shpda(1)"} << "110; 1.234; 0:0; ; ";
        QTest::newRow("taps and holds on blocks; Conferma held acts once") << "frmcomponi"
            << "cmduno:tap cmdconferma:hold cmduno:tap*2 cmduno:hold cmddieci:hold" << QStringList{"shpu(1)"}
            << "1; 1.234; 0:1; Attento... Riprova!; 1";
        QTest::newRow("blocks, empty board: the beep after the count") << "frmcomponi" << "cmdconferma" << QStringList{}
                                                                       << "0; 1.234; 0:1; Attento... Riprova!; 1";
        // The wrong answer leaves nothing behind to add to the right one.
        QTest::newRow("blocks, right after wrong") << "frmcomponi"
            << "cmdmille*2 cmdconferma cmdmille cmdcento*2 cmddieci*3 cmduno*4 cmdconferma" << QStringList{}
            << "0; 5.678; 1:1; Giusto, complimenti!; 1";
        QTest::newRow("a right click on a cell toggles it; Cancella") << "frmcolora" << "lbl(30):right lbl(55):right lbl(30) cmdcanc lbl(9)"
                                                                      << QStringList{"lbl(9)"} << "1; 1/10; 0:0; ; ";
        QTest::newRow("a middle press changes no line, no cell") << "frmcolora" << "cmdv(4) cmdv(4):middle cmdo(7):middle lbl(55):middle"
            << QStringList{"lbl(4)", "lbl(14)", "lbl(24)", "lbl(34)", "lbl(44)", "lbl(54)", "lbl(64)", "lbl(74)", "lbl(84)", "lbl(94)"}
            << "10; 1/10; 0:0; ; ";
        QTest::newRow("taps and holds on lines") << "frmcolora" << "cmdo(3):tap cmdv(2):tap cmdo(3):hold cmdv(2):hold lbl(22):tap"
                                                 << QStringList{"lbl(22)"} << "1; 1/10; 0:0; ; ";
        QTest::newRow("taps and holds on cells") << "frmcolora" << "lbl(5):tap*2 lbl(6):hold lbl(7):slide-off lbl(8):mouse-held"
                                                 << QStringList{"lbl(6)", "lbl(8)"} << "2; 1/10; 0:0; ; ";
        QTest::newRow("grid, wrong answer: the beep before the count") << "frmcolora" << "lbl(5) cmdconferma" << QStringList{}
                                                                       << "0; 1/10; 0:1; Attento... Riprova!; 0";
        QTest::newRow("grid, right answer") << "frmcolora" << "cmdo(7) cmdconferma" << QStringList{} << "0; 37/100; 1:0; Giusto, complimenti!; ";
    }
    void presses()
    {
        QFETCH(QString, window);
        QFETCH(QString, script);
        ui::Form *w = openDrill(window);
        const auto text = [w](const char *name) { return textOf(control(w, QLatin1String(name))); };
        QStringList atBeeps;
        Beeps beeps;
        beeps.atBeep = [&] { atBeeps << text("lbler"); };
        play(w, script);
        QTEST(inSight(w), "inSight");
        const QString value = text(window == "frmabaco" ? "lblnum" : window == "frmcomponi" ? "lblr" : "lblcount");
        const QString target = window == "frmabaco" ? text("lbln")
            : window == "frmcomponi"                ? text("lblnum")
                                                    : text("lblnum") + '/' + text("lblden");
        const QStringList shown{value, target, text("lbles") + ':' + text("lbler"), text("lblmess"), atBeeps.join(u' ')};
        QTEST(shown.join("; "), "shown");
    }

    void fractionLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<int>>("withLine");
        QTest::newRow("row 3") << "cmdo(3)" << QList<int>{21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 55};
        QTest::newRow("column 10") << "cmdv(10)" << QList<int>{10, 20, 30, 40, 50, 55, 60, 70, 80, 90, 100};
    }

    // A double click toggles a cell once; two quick clicks 4 pixels apart, either side of
    // the edge between two cells, toggle both, though Qt takes the second for a double
    // click. A line colours on the completed left click and clears on the right press,
    // before the release; cell 30 lies on both lines, cell 55 on neither.
    void fractionLines()
    {
        QFETCH(QString, line);
        ui::Form *w = openDrill(QStringLiteral("frmcolora"));
        QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {}, control(w, QStringLiteral("lbl(30)"))->geometry().center());
        const QPoint edge = control(w, QStringLiteral("lbl(55)"))->geometry().topRight() + QPoint(0, 10);
        int at = 1 << 30;
        for (const QPoint click : {edge - QPoint(2, 0), edge + QPoint(2, 0)})
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                qt_handleMouseEvent(w->windowHandle(), click, w->mapToGlobal(click),
                                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton, type, {}, ++at);
        play(w, "lbl(56)");
        QWidget *button = control(w, line);
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(colouredCells(w), QList<int>({30, 55}));
        QTest::mouseRelease(button, Qt::LeftButton);
        QTEST(colouredCells(w), "withLine");
        QTest::mousePress(button, Qt::RightButton);
        QCOMPARE(colouredCells(w), QList<int>{55});
        QTest::mouseRelease(button, Qt::RightButton);
    }

    // A sitting: each answer's message stays its whole interval; then the instructions.
    void fractionSitting()
    {
        QPointer<ui::Form> w = openDrill(QStringLiteral("frmcolora"));
        auto *time = control<QTimer>(w, QStringLiteral("time"));
        play(w, "lbl(5) cmdconferma");
        QTRY_VERIFY(time->remainingTime() < 2000);
        play(w, "cmdo(7) cmdconferma");
        QVERIFY(time->remainingTime() > 2000);
        QTRY_COMPARE_WITH_TIMEOUT(textOf(control(w, QStringLiteral("lblmess"))), QString(), 4000);

        // One instructions window however often asked for; the drill stays usable, and
        // leaving it with Esc, as with Fine, leaves the instructions open.
        play(w, "cmdistruzioni cmdistruzioni lbl(42)");
        QCOMPARE(ui::Registry::instance().forms().size(), std::size_t(2));
        QCOMPARE(colouredCells(w), QList<int>{42});
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(w.isNull());
        QPointer<frmistruzioni> instructions = ui::Registry::instance().find<frmistruzioni>();
        QVERIFY(ui::Registry::instance().find<frminizio>()->isVisible() && instructions->isVisible());
        QTest::keyClick(instructions, Qt::Key_Escape);
        QTRY_VERIFY(instructions.isNull());
    }

    // Numbers typed and answered with Enter, the keypad's Enter or "Calcola": the last
    // answer in sight, the box emptied and with the keyboard, the pointer an arrow again.
    void primesCalculate_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("list"); // under its heading
        QTest::newRow("12") << "{12} [Return]" << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
        QTest::newRow("the keypad's Enter") << "{7} [Num+Enter]" << "7 è primo" << "hidden";
        QTest::newRow("grouped as the locale groups") << "{1001} cmd" << "1.001 non è primo, ha 6 divisori"
                                                      << "7 - 11 - 13 - 77 - 91 - 143";
        QTest::newRow("1") << "{1} [Return]" << "1 non è primo" << "hidden";
        QTest::newRow("a prime hides the list") << "{12} [Return] {97} cmd" << "97 è primo" << "hidden";
        QTest::newRow("list replaced") << "{12} [Return] {9} [Return]" << "9 non è primo, ha 1 divisore" << "3";
        QTest::newRow("refused first") << "{abc} [Return]" << "hidden" << "hidden";
        for (const char *refused : {"[Return]", "{0} [Return]", "{50000001} cmd", "{12.5} [Return]"})
            QTest::addRow("refused %s keeps the answer", refused) << QStringLiteral("{12} [Return] ") + refused
                                                                  << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
    }
    void primesCalculate()
    {
        QFETCH(QString, script);
        ui::Form *w = open(QStringLiteral("frmprimi"));
        play(w, script);
        QCOMPARE(control<QLineEdit>(w, QStringLiteral("txt"))->text(), QString());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txt"));
        QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
        const QWidget *lbl = control(w, QStringLiteral("lbl"));
        const auto *txtdiv = control<QPlainTextEdit>(w, QStringLiteral("txtdiv"));
        QTEST(lbl->isVisible() ? textOf(lbl) : "hidden", "verdict");
        QCOMPARE(control(w, QStringLiteral("lbldiv2"))->isVisible(), txtdiv->isVisible());
        QTEST(txtdiv->isVisible() ? txtdiv->toPlainText() : "hidden", "list");
    }

    // The slider of a long list shows where in it the box stands, and the down arrow
    // takes it, a line a click, to the end.
    void primesListScrolls()
    {
        ui::Form *w = open(QStringLiteral("frmprimi"));
        play(w, "{43243200} [Return]");
        auto *txtdiv = control<QPlainTextEdit>(w, QStringLiteral("txtdiv"));
        QScrollBar *bar = txtdiv->verticalScrollBar();
        const QImage top = bar->grab().toImage();
        for (int line = 0; line < 80; ++line)
            QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
        QVERIFY(bar->grab().toImage() != top);
        const QPoint lastInSight(txtdiv->viewport()->width() - 1, txtdiv->viewport()->height() - 4);
        QVERIFY(txtdiv->cursorForPosition(lastInSight).position() >= txtdiv->toPlainText().size() - 2);
    }
};

QTEST_MAIN(TestDrills)
#include "test_drills.moc"
