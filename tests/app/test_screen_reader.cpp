#include "support/windows.h"

#include <QAccessible>

namespace {

// What a screen reader is told to say at once while this lives: the text of each
// notification as it shows.
class Announced : public QObject {
public:
    Announced() { QCoreApplication::instance()->installEventFilter(this); }
    QStringList lines;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        QAccessibleInterface *face =
            event->type() == QEvent::Show ? QAccessible::queryAccessibleInterface(watched) : nullptr;
        if (face && face->role() == QAccessible::Notification)
            lines << face->text(QAccessible::Name);
        return false;
    }
};

// What a screen reader reads of an object as it takes the focus: its name, then what it holds.
QString readOf(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face->text(QAccessible::Name) + " | " + face->text(QAccessible::Description);
}

} // namespace

// What a pupil who cannot see the screen hears: the target as the window opens and
// with every verdict, an answer to every key, and the cells of the grid, reached with
// the arrow keys. The drills' targets are openDrill()'s; the prime checker is given 12.
class TestScreenReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { closeAll(); }

    void heard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("heard"); // the last lines announced, in turn
        QTest::addColumn<QString>("reads");     // the focused control as it is read || the window, after its title
        QTest::newRow("abacus, Conferma too soon") << "frmabaco" << "[Tab] [Space]"
            << QStringList{"Attento... Riprova! Ancora 5,48."} << "Conferma | Conferma || 5,48";
        QTest::newRow("abacus, Delete on an empty rod, Space, Delete") << "frmabaco" << "[Tab]*2 [Delete] [Space]*2 [Delete]"
            << QStringList{"centinaia, 0 palline", "centinaia, 1 pallina", "centinaia, 2 palline", "centinaia, 1 pallina"}
            << "centinaia | 1 pallina || 5,48";
        QTest::newRow("abacus, Space on a full rod") << "frmabaco" << "cmdm*9 [Space]"
            << QStringList{"millesimi, 9 palline", "millesimi, 9 palline"} << "millesimi | 9 palline || 5,48";
        QTest::newRow("abacus, right, the next target") << "frmabaco" << "cmdu*5 cmdd*4 cmdc*8 cmdconferma"
            << QStringList{"centesimi, 8 palline", "Giusto, complimenti! Ora 37."} << "Conferma | Conferma || 37";
        QTest::newRow("blocks, one of each kind") << "frmcomponi" << "[Delete] [Space] [Tab] [Space] [Tab] [Space] [Tab] [Space]"
            << QStringList{"Migliaia, 0 cubi", "Migliaia, 1 cubo", "Centinaia, 1 quadrato", "Decine, 1 barretta",
                           "Unità, 1 cubetto"} << "Unità | 1 cubetto || 1.234";
        QTest::newRow("grid, a row twice, into it, a cell, down, Delete") << "frmcolora"
            << "[Tab]*4 [Space]*2 [Right] [Space] [Down] [Delete]"
            << QStringList{"riga 1, 10 caselle colorate. In tutto 10 caselle colorate.",
                           "riga 1, 10 caselle colorate. In tutto 10 caselle colorate.",
                           "riga 1, colonna 1, non colorata. In tutto 9 caselle colorate.",
                           "riga 2, colonna 1, non colorata. In tutto 9 caselle colorate."}
            << "riga 2, colonna 1 | non colorata || 1 decimo";
        QTest::newRow("grid, a cell by the mouse, Cancella, a column") << "frmcolora" << "lbl(5) cmdcanc cmdv(3) cmdv(3):right"
            << QStringList{"riga 1, colonna 5, colorata. In tutto 1 casella colorata.", "In tutto 0 caselle colorate.",
                           "colonna 3, 10 caselle colorate. In tutto 10 caselle colorate.",
                           "colonna 3, 0 caselle colorate. In tutto 0 caselle colorate."}
            << "colonna 3 | 0 caselle colorate || 1 decimo";
        // Tab from the last row's cell, into the grid from a column, up out of it, Shift+Tab from a cell.
        QTest::newRow("grid, the keys around it") << "frmcolora" << "[Tab]*13 [Right] [Tab] [Down] [Right] [Up] [Down] [Backtab]"
                                                  << QStringList{} << "riga 1 | 0 caselle colorate || 1 decimo";
        // With the start of the list of divisors: ten of them at most.
        QTest::newRow("primes") << "frmprimi" << "{12} [Return] {60} [Return] {10000} [Return] {97} [Return]"
            << QStringList{"12 non è primo, ha 4 divisori. È divisibile per 2, 3, 4 e 6.",
                           "60 non è primo, ha 10 divisori. È divisibile per 2, 3, 4, 5, 6, 10, 12, 15, 20 e 30.",
                           "10.000 non è primo, ha 23 divisori. È divisibile per 2, 4, 5, 8, 10, 16, 20, 25, 40, 50 e altri.",
                           "97 è primo"} << "numero |  || ";
        // The instructions as their window opens, then the keys.
        QTest::newRow("instructions") << "frmistruzioni" << "" << QStringList{}
            << "OK |  || Per selezionare le caselle, basta fare clic su di esse,  per selezionare intere righe o colonne, si può "
               "cliccare sui pulsanti ai lati. Per deselezionare le caselle, ricliccare col tasto sinistro, per quanto riguarda le "
               "righe e le colonne, basta cliccare sui pulsanti, col tasto destro del mouse. Con la tastiera: la barra spaziatrice…";
    }
    void heard()
    {
        QFETCH(QString, window);
        QFETCH(QString, script);
        QFETCH(QStringList, heard);
        ui::Form *w = window.startsWith("frmc") || window == "frmabaco" ? openDrill(window) : open(window);
        Announced announced;
        play(w, script);
        QCOMPARE(announced.lines.mid(announced.lines.size() - heard.size()), heard);
        QVERIFY(!heard.isEmpty() || announced.lines.isEmpty());
        QFETCH(QString, reads); // "…" at its end: what it starts with
        const QString read = readOf(QApplication::focusWidget()) + " || " + readOf(w).section(" | ", 1);
        QCOMPARE(reads.endsWith(u'…') ? read.left(reads.size() - 1) + u'…' : read, reads);
    }

    // A cell reached by the keyboard shows a dotted frame; one clicked shows none, and
    // the keyboard stays where it was.
    void cellFocusSeen()
    {
        ui::Form *w = openDrill(QStringLiteral("frmcolora"));
        const auto dots = [w](const char *name) { // along the frame's top edge, black and white in turn
            const QImage cell = control(w, QLatin1String(name))->grab().toImage().copy(4, 3, 17, 1);
            return cell.pixel(0, 0) != cell.pixel(1, 0) && cell.pixel(0, 0) == cell.pixel(2, 0) && cell.pixel(1, 0) == qRgb(255, 255, 255);
        };
        play(w, "lbl(5) lbl(1)");
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdcanc"));
        QVERIFY(!dots("lbl(5)"));
        play(w, "[Tab]*4 [Right]");
        QVERIFY(dots("lbl(1)"));
        play(w, "[Right]");
        QVERIFY(dots("lbl(2)") && !dots("lbl(1)"));
    }
};

QTEST_MAIN(TestScreenReader)
#include "test_screen_reader.moc"
