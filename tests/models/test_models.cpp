#include "abaco/abacus_board.h"
#include "abaco/abacus_target.h"
#include "colora/fraction.h"
#include "colora/fraction_grid.h"
#include "common/clock_random.h"
#include "componi/block_board.h"
#include "componi/number_target.h"
#include "primi/prime_check.h"
#include "support/scripted_random.h"

#include <QtTest>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

// The presses of a script, as the window tests write them: steps split by spaces, each
// repeated as often as a star says. On a model a step is "+" and a name to add or
// colour, "-" and a name to take away or clear, a cell's name to toggle it, or "clear".
QStringList steps(const QString &script)
{
    QStringList presses;
    for (const QString &step : script.split(u' ', Qt::SkipEmptyParts))
        for (int n = step.contains(u'*') ? step.section(u'*', 1).toInt() : 1; n > 0; --n)
            presses << step.section(u'*', 0, 0);
    return presses;
}

// "cell37", "+row3", "-col1", "clear"; a number outside the grid is passed on as it is.
bool apply(FractionGrid &grid, const QString &press)
{
    using Op = bool (FractionGrid::*)(int);
    static const QHash<QString, Op> byName{
        {"cell", &FractionGrid::toggle},         {"-cell", &FractionGrid::clearCell},
        {"+row", &FractionGrid::colourRow},       {"-row", &FractionGrid::clearRow},
        {"+col", &FractionGrid::colourColumn},    {"-col", &FractionGrid::clearColumn}};
    const QString name = press.section(QRegularExpression("-?\\d+$"), 0, 0);
    return press == "clear" ? grid.clear() : (grid.*byName.value(name))(press.mid(name.size()).toInt());
}

} // namespace

// The drills turn a draw u into floor(N*u + 1): a 1.0f would give N + 1, a target out
// of range, and a narrower range would leave targets out. Each window seeds its own
// source from the clock, so two opened a moment apart must not draw the same targets.

// The plain C++ models of every drill, and the random source they draw from.
class TestModels : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Presses on the abacus, its rods by their buttons' captions (h da u d c m), and on
    // the block board, its kinds by their buttons' names (uno dieci cento mille). The
    // trace holds the rod's or kind's count after each press, "-" where it was full or
    // empty and nothing changed, 0 for a clearing; then the abacus's text and the blocks' value.
    void boards_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QString>("trace");
        QTest::newRow("tenth bead on a full rod") << "+u*10" << "123456789- = 9, 0";
        QTest::newRow("removing from an empty rod") << "-d +d -d*2" << "-10- = 0, 0";
        QTest::newRow("three tenths added and removed") << "+d*3 -d*3" << "123210 = 0, 0";
        QTest::newRow("12 plus and minus a tenth") << "+da +u*2 +d -d" << "11210 = 12, 0";
        QTest::newRow("zeros inside the number") << "+h*3 +c*5" << "12312345 = 300,05, 0";
        QTest::newRow("all nines on the rods") << QString("+h +da +u +d +c +m ").repeated(9)
                                               << "111111222222333333444444555555666666777777888888999999 = 999,999, 0";
        QTest::newRow("left, left, right on tens") << "+dieci*2 -dieci" << "121 = 0, 10";
        QTest::newRow("tenth unit refused") << "+uno*10" << "123456789- = 0, 9";
        QTest::newRow("removing from empty refused") << "-mille +mille -mille*2" << "-10- = 0, 0";
        QTest::newRow("clear, then a unit") << "+mille +dieci*2 -dieci +cento +uno clear +uno" << "11211101 = 0, 1";
        QTest::newRow("all nines in blocks") << QString("+mille +cento +dieci +uno ").repeated(9)
                                             << "111122223333444455556666777788889999 = 0, 9999";
    }
    void boards()
    {
        QFETCH(QString, presses);
        AbacusBoard abacus;
        BlockBoard blocks;
        const QStringList rods{"h", "da", "u", "d", "c", "m"}, kinds{"uno", "dieci", "cento", "mille"};
        QString seen;
        for (const QString &press : steps(presses)) {
            const bool add = press[0] == u'+';
            const auto rod = AbacusBoard::Rod(rods.indexOf(press.mid(1)));
            const auto kind = BlockKind(kinds.indexOf(press.mid(1)));
            if (press == "clear")
                blocks.clear(), abacus.clear(), seen += u'0';
            else if (rods.contains(press.mid(1)))
                seen += (add ? abacus.addBead(rod) : abacus.removeBead(rod)) ? QString::number(abacus.count(rod)) : "-";
            else
                seen += (add ? blocks.add(kind) : blocks.remove(kind)) ? QString::number(blocks.count(kind)) : "-";
        }
        QTEST(seen + " = " + QString::fromStdString(abacus.text()) + ", " + QString::number(blocks.value()), "trace");
    }

    // Four draws an attempt: range code, whole part, decimal count, sine. Every row's
    // draws must all be used, no more and no fewer.
    void abacusTarget_data()
    {
        QTest::addColumn<std::vector<float>>("draws");
        QTest::addColumn<QString>("text");
        const float belowOne = 0x1.fffffep-1f;
        // range code 1, whole 5, two decimals, sin 0.5 = 0.4794...
        QTest::newRow("5,48") << std::vector<float>{0.1f, 0.5f, 0.5f, 0.5f} << "5,48";
        // One decimal under range code 1 is drawn again; the second attempt has three.
        QTest::newRow("attempt repeated")
            << std::vector<float>{0.1f, 0.5f, 0.1f, 0.9f, 0.5f, 0.0f, 0.99f, 0.5f} << "1,479";
        QTest::newRow("sine rounding to zero: no comma")
            << std::vector<float>{0.5f, 0.37f, 0.1f, 0.04f} << "37";
        QTest::newRow("draws just below 1 give 999, never 1000")
            << std::vector<float>{belowOne, belowOne, 0.0f, belowOne} << "999,8";
        // sin r is exactly 0.625, then 0.375: a half goes to the even hundredth
        QTest::newRow("half to even, down")
            << std::vector<float>{0.1f, 0.5f, 0.5f, 0x1.59aad6p-1f} << "5,62";
        QTest::newRow("half to even, up")
            << std::vector<float>{0.1f, 0.5f, 0.5f, 0x1.899f4ep-2f} << "5,38";
    }
    void abacusTarget()
    {
        QFETCH(std::vector<float>, draws);
        QFETCH(QString, text);
        ScriptedRandom random(draws);
        QCOMPARE(QString::fromStdString(AbacusTarget::draw(random).text), text);
        QCOMPARE(random.used(), draws.size());
    }

    void fractionGrid_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("counts"); // after each operation
        QTest::addColumn<QList<int>>("colouredAtEnd");
        QTest::newRow("3 coloured: the row adds 7, clearing it takes 10")
            << "cell5 cell21 cell22 cell25 +row3 -row3" << "1 2 3 4 11 1" << QList<int>{5};
        QTest::newRow("row 1 and column 1 make 19; clearing an empty line changes nothing")
            << "+row1 +col1 -col1*2 -row2 +row1" << "10 19 9 9 9 10" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("ten rows make 100, Cancella frees them")
            << "+row1 +row2 +row3 +row4 +row5 +row6 +row7 +row8 +row9 +row10 clear"
            << "10 20 30 40 50 60 70 80 90 100 0" << QList<int>{};
        QTest::newRow("toggling twice restores; clearing a cell clears it once; outside the grid nothing changes")
            << "cell37 cell100 cell37 cell7 -cell7*2 cell0 cell101 -cell101 +row0 +col11 -row-1 -col11"
            << "1 2 1 2 1 1 1 1 1 1 1 1 1" << QList<int>{100};
    }

    // Whether an operation reports a change is checked through the window, which redraws only then.
    void fractionGrid()
    {
        QFETCH(QString, script);
        FractionGrid grid;
        QStringList counts;
        for (const QString &press : steps(script)) {
            apply(grid, press);
            counts << QString::number(grid.count());
        }
        QTEST(counts.join(u' '), "counts");
        QList<int> coloured; // one past each end too, so that a write outside the grid shows
        for (int k = 0; k <= FractionGrid::cellCount + 1; ++k)
            if (grid.coloured(k))
                coloured << k;
        QTEST(coloured, "colouredAtEnd");
        // Each line counts its own coloured cells, 0 to 10: rows 1 to 10, then columns.
        QStringList lines, want;
        for (int n = 1; n <= FractionGrid::side; ++n) {
            lines << QString::number(grid.colouredInRow(n)) << QString::number(grid.colouredInColumn(n));
            want << QString::number(std::count_if(coloured.begin(), coloured.end(), [n](int k) { return (k - 1) / 10 + 1 == n; }))
                 << QString::number(std::count_if(coloured.begin(), coloured.end(), [n](int k) { return (k - 1) % 10 + 1 == n; }));
        }
        QCOMPARE(lines, want);
    }

    // Each kind at both ends of its share of the first draw, and each numerator range at its ends.
    void fraction_data()
    {
        QTest::addColumn<float>("kindDraw");
        QTest::addColumn<float>("numeratorDraw");
        QTest::addColumn<QString>("drawn"); // the fraction, the cells it asks for, as one says it
        QTest::newRow("10/10") << 0.33333331f << 0.99999994f << "10/10: 100, 10 decimi";
        QTest::newRow("1/100") << 0.33333334f << 0.0f << "1/100: 1, 1 centesimo";
        QTest::newRow("100/100") << 0.6666666f << 0.99999994f << "100/100: 100, 100 centesimi";
        QTest::newRow("10/1000") << 0.6666667f << 0.0f << "10/1000: 1, 10 millesimi";
        QTest::newRow("370/1000") << 0.99999994f << 0.365f << "370/1000: 37, 370 millesimi";
        QTest::newRow("1000/1000") << 0.9f << 0.99999994f << "1000/1000: 100, 1000 millesimi";
        QTest::newRow("a faulty 1.0 held in range") << 1.0f << 1.0f << "1000/1000: 100, 1000 millesimi";
        QTest::newRow("a faulty negative held in range") << -0.5f << -0.5f << "1/10: 10, 1 decimo";
    }
    void fraction()
    {
        QFETCH(float, kindDraw);
        QFETCH(float, numeratorDraw);
        ScriptedRandom random({kindDraw, numeratorDraw});
        const Fraction f = Fraction::draw(random);
        QTEST(QStringLiteral("%1/%2: %3, %4").arg(f.numerator()).arg(f.denominator()).arg(f.targetCells())
                  .arg(QString::fromStdString(f.spoken())), "drawn");
        QCOMPARE(random.used(), std::size_t(2));
    }

    void numberTarget_data()
    {
        QTest::addColumn<float>("u");
        QTest::addColumn<QString>("text");
        // The first of the 2^24 draws a source of 24-bit floats can give that lands on n,
        // if each number takes an equal share of them.
        const auto first = [](int n) {
            return float(std::ceil((n - 100) * 16777216.0 / 9900) / 16777216);
        };
        QTest::newRow("0") << 0.0f << "100";
        QTest::newRow("just below 1") << std::nextafter(1.0f, 0.0f) << "9.999";
        QTest::newRow("last draw of 999") << first(1000) - 0x1p-24f << "999";
        QTest::newRow("first draw of 1000") << first(1000) << "1.000";
        QTest::newRow("1030") << first(1030) << "1.030";
        QTest::newRow("4506") << first(4506) << "4.506";
    }
    void numberTarget()
    {
        QFETCH(float, u);
        QFETCH(QString, text);
        ScriptedRandom random({u});
        QCOMPARE(QString::fromStdString(NumberTarget::draw(random).text()), text);
    }

    void primeVerdicts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("verdict"); // empty: refused; ' stands for the thousands separator
        QTest::addColumn<QString>("list");    // empty: hidden; "…" first: how the list ends
        QTest::newRow("4") << "4" << "4 non è primo, ha 1 divisore" << "2";
        QTest::newRow("12") << "12" << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
        QTest::newRow("97") << "97" << "97 è primo" << "";
        QTest::newRow("1001") << "1001" << "1'001 non è primo, ha 6 divisori" << "7 - 11 - 13 - 77 - 91 - 143";
        QTest::newRow("10000") << "10000" << "10'000 non è primo, ha 23 divisori" << "…2'000 - 2'500 - 5'000";
        // 670 divisors: the list stops at the 500th, which is still followed by " - ".
        QTest::newRow("43243200") << "43243200" << "43'243'200 non è primo, ha 670 divisori" << "…51'975 - ";
        QTest::newRow("50000000") << "50000000" << "50'000'000 non è primo, ha 70 divisori" << "…12'500'000 - 25'000'000";
        QTest::newRow("1") << "1" << "1 non è primo" << "";
        // How typed text is read: blanks anywhere, up to what cannot go on a number.
        QTest::newRow("blanks anywhere") << " \t1 2\n" << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
        QTest::newRow("letters stop") << "12abc" << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
        QTest::newRow("the comma stops") << "12,7" << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
        QTest::newRow("the point is decimal") << "1.000" << "1 non è primo" << "";
        QTest::newRow("no exponent") << "1e5" << "1 non è primo" << "";
        QTest::newRow("a sign and a blank") << "+ 7" << "7 è primo" << "";
        QTest::newRow("a megabyte of leading zeros") << QString(1 << 20, u'0') + "97" << "97 è primo" << "";
        for (const QString &typed : QStringList{"50000001", "0", "-7", "12.5", "", "abc", "-0", ".5", "1" + QString(1 << 20, u'0')})
            QTest::newRow(qPrintable(QStringLiteral("refused '%1'").arg(typed.left(10)))) << typed << "" << "";
    }
    void primeVerdicts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, verdict);
        QFETCH(QString, list);
        for (const QString separator : {".", ",", "\u00A0"}) {
            const PrimeAnswer answer = checkPrime(typed.toStdString(), separator.toStdString());
            const QString shown = QString::fromStdString(answer.list), want = QString(list).replace(u'\'', separator);
            QCOMPARE(answer.accepted, !verdict.isEmpty());
            QCOMPARE(QString::fromStdString(answer.verdict), QString(verdict).replace(u'\'', separator));
            QCOMPARE(answer.showList, !list.isEmpty());
            QVERIFY2(want.startsWith(u'…') ? shown.endsWith(want.mid(1)) : shown == want, qPrintable(shown));
        }
    }

    // Every n up to 30000, two dozen drawn up to the largest, and lists cut at 500 (670 and
    // 638 divisors), the largest, a prime and the square of the largest prime below its root.
    void agreesWithExhaustiveLoop()
    {
        std::vector<std::uint32_t> numbers{43243200, 36756720, 50000000, 49999991, 49970761};
        std::mt19937 random(20240613);
        for (int i = 0; i < 24; ++i)
            numbers.push_back(std::uniform_int_distribution<std::uint32_t>(30001, largestChecked)(random));
        for (std::uint32_t n = 2; n <= 30000; ++n)
            numbers.push_back(n);
        for (std::uint32_t n : numbers) {
            Divisors slow; // trial division by every d from 2 to n - 1, no shortcut
            for (std::uint32_t d = 2; d < n; ++d)
                if (n % d == 0 && ++slow.count <= std::int32_t(Divisors::listLimit))
                    slow.listed.push_back(d);
            const PrimeAnswer fast = checkPrime(std::to_string(n), "."), want = describe(n, slow, ".");
            if (fast.verdict != want.verdict || fast.list != want.list || fast.showList != want.showList)
                QFAIL(qPrintable(QStringLiteral("%1: %2").arg(n).arg(QString::fromStdString(fast.verdict))));
        }
    }

    void halfOpenUnitIntervalAndClockSeeds()
    {
        ClockRandom random(0xFFFFFFFFu);
        float lowest = 1.0f, highest = 0.0f;
        for (int i = 0; i < 3'000'000; ++i) {
            const float u = random.next();
            std::tie(lowest, highest) = std::pair(std::min(lowest, u), std::max(highest, u));
        }
        QVERIFY(lowest >= 0.0f && lowest < 0.001f && highest < 1.0f && highest > 0.999f);
        ClockRandom first;
        QTest::qSleep(5);
        ClockRandom second;
        QVERIFY(first.next() != second.next() || first.next() != second.next());
    }
};

QTEST_GUILESS_MAIN(TestModels)
#include "test_models.moc"
