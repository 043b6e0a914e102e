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
QString read(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face->text(QAccessible::Name) + " | " + face->text(QAccessible::Description);
}

// "unità, 1 pallina" … up to n.
QStringList counted(const QString &name, int n, const QString &one, const QString &many)
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("%1, %2 %3").arg(name).arg(i).arg(i == 1 ? one : many);
    return lines;
}

} // namespace

// What a pupil who cannot see the screen hears: the target as the window opens and
// with every verdict, an answer to every key, and the cells of the grid, reached with
// the arrow keys. The abacus asks for 5,48, then 37; the blocks for 1.234; the grid
// for 1/10; the prime checker is given 12.
class TestScreenReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { closeAll(); }

    void heard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("heard");  // what was announced, in turn
        QTest::addColumn<QString>("focus");      // the focused control as it is read
        QTest::addColumn<QString>("windowReads"); // after the title, as the window becomes active
        const QString balls = QStringLiteral("palline"), ball = QStringLiteral("pallina");
        QTest::newRow("abacus opens") << "frmabaco" << "" << QStringList{} << "Fine | Fine" << "5,48";
        QTest::newRow("abacus, Conferma too soon") << "frmabaco" << "[Tab] [Space]"
            << QStringList{"Attento... Riprova! Ancora 5,48."} << "Conferma | Conferma" << "5,48";
        QTest::newRow("abacus, Delete on an empty rod, Space, Delete") << "frmabaco" << "[Tab]*2 [Delete] [Space]*2 [Delete]"
            << QStringList{"centinaia, 0 palline", "centinaia, 1 pallina", "centinaia, 2 palline", "centinaia, 1 pallina"}
            << "centinaia | 1 pallina" << "5,48";
        QTest::newRow("abacus, Space on a full rod") << "frmabaco" << "cmdm*9 [Space]"
            << counted("millesimi", 9, ball, balls) + QStringList{"millesimi, 9 palline"} << "millesimi | 9 palline" << "5,48";
        QTest::newRow("abacus, right, the next target") << "frmabaco" << "cmdu*5 cmdd*4 cmdc*8 cmdconferma"
            << counted("unità", 5, ball, balls) + counted("decimi", 4, ball, balls) + counted("centesimi", 8, ball, balls)
                   + QStringList{"Giusto, complimenti! Ora 37."} << "Conferma | Conferma" << "37";
        QTest::newRow("blocks, one of each kind") << "frmcomponi" << "[Delete] [Space] [Tab] [Space] [Tab] [Space] [Tab] [Space]"
            << QStringList{"Migliaia, 0 cubi", "Migliaia, 1 cubo", "Centinaia, 1 quadrato", "Decine, 1 barretta",
                           "Unità, 1 cubetto"} << "Unità | 1 cubetto" << "1.234";
        QTest::newRow("grid, a row twice, into it, a cell, down, Delete") << "frmcolora"
            << "[Tab]*4 [Space]*2 [Right] [Space] [Down] [Delete]"
            << QStringList{"riga 1, 10 caselle colorate. In tutto 10 caselle colorate.",
                           "riga 1, 10 caselle colorate. In tutto 10 caselle colorate.",
                           "riga 1, colonna 1, non colorata. In tutto 9 caselle colorate.",
                           "riga 2, colonna 1, non colorata. In tutto 9 caselle colorate."}
            << "riga 2, colonna 1 | non colorata" << "1 decimo";
        QTest::newRow("grid, a cell by the mouse, Cancella, a column") << "frmcolora"
            << "lbl(5) cmdcanc cmdv(3) cmdv(3):right"
            << QStringList{"riga 1, colonna 5, colorata. In tutto 1 casella colorata.", "In tutto 0 caselle colorate.",
                           "colonna 3, 10 caselle colorate. In tutto 10 caselle colorate.",
                           "colonna 3, 0 caselle colorate. In tutto 0 caselle colorate."}
            << "colonna 3 | 0 caselle colorate" << "1 decimo";
        QTest::newRow("grid, Tab from the last row's cell") << "frmcolora" << "[Tab]*13 [Right] [Tab]" << QStringList{}
            << "colonna 1 | 0 caselle colorate" << "1 decimo";
        QTest::newRow("grid, Shift+Tab from a cell") << "frmcolora" << "[Tab]*5 [Right] [Right] [Backtab]"
            << QStringList{} << "riga 2 | 0 caselle colorate" << "1 decimo";
        QTest::newRow("grid, from a column into it and up out") << "frmcolora" << "[Tab]*14 [Down] [Right] [Up]"
            << QStringList{} << "colonna 2 | 0 caselle colorate" << "1 decimo";
        QTest::newRow("primes") << "frmprimi" << "[1] [2] [Return]"
            << QStringList{"12 non è primo, ha 4 divisori. È divisibile per 2, 3, 4 e 6."} << "numero | " << "";
    }
    void heard()
    {
        QFETCH(QString, window);
        QFETCH(QString, script);
        const std::vector<float> draws = window == "frmabaco" ? std::vector<float>{0.1f, 0.5f, 0.5f, 0.5f, 0.5f, 0.37f, 0.1f, 0.04f}
            : window == "frmcomponi"                        ? std::vector<float>{1134.5f / 9900}
                                                            : std::vector<float>{0.0f, 0.0f};
        ui::Form *w = open(window, draws);
        Announced announced;
        play(w, script);
        QTEST(announced.lines, "heard");
        QTEST(read(QApplication::focusWidget()), "focus");
        QTEST(read(w).section(" | ", 1), "windowReads");
    }

    // The instructions are read as their window opens, the keys after the text in sight.
    void instructionsRead()
    {
        ui::Form *w = open(QStringLiteral("frmistruzioni"));
        const QString text = textOf(control(w, QStringLiteral("Label1")));
        QVERIFY(read(w).startsWith(QStringLiteral("Istruzioni | ") + text + QStringLiteral(" Con la tastiera: la barra "
                                                                                         "spaziatrice colora")));
    }

    // A cell reached by the keyboard shows a dotted frame; one clicked shows none, and
    // the keyboard stays where it was.
    void cellFocusSeen()
    {
        ui::Form *w = open(QStringLiteral("frmcolora"), {0.0f, 0.0f});
        const auto dots = [w](const char *name) {
            const QImage cell = control(w, QLatin1String(name))->grab().toImage();
            QSet<QRgb> seen;
            for (int x = 4; x < cell.width() - 5; ++x)
                seen << cell.pixel(x, 3);
            return seen == QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)};
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
