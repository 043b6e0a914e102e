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

// "t37" toggles cell 37, "R3"/"r3" colour/clear row 3, "C1"/"c1" column 1, "x" clears all.
bool apply(FractionGrid &grid, const QString &op)
{
    using Op = bool (FractionGrid::*)(int);
    static const QHash<char, Op> byLetter{
        {'t', &FractionGrid::toggle}, {'R', &FractionGrid::colourRow}, {'r', &FractionGrid::clearRow},
        {'C', &FractionGrid::colourColumn}, {'c', &FractionGrid::clearColumn}};
    return op == u'x' ? grid.clear() : (grid.*byLetter.value(op.at(0).toLatin1()))(op.mid(1).toInt());
}

} // namespace

// The drills turn a draw u into floor(N*u + 1): a 1.0f would give N + 1, a target out
// of range, and a narrower range would leave targets out. Each window seeds its own
// source from the clock, so two opened a moment apart must not draw the same targets.

// The plain C++ models of every drill, and the random source they draw from.
class TestModels : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One letter a press, h t u d c m from hundreds to thousandths: upper case adds a
    // bead, lower case removes one. The trace holds the rod's beads after each press,
    // "-" where the rod was full or empty and nothing changed.
    void abacusBoard_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QString>("trace");
        QTest::addColumn<QString>("text");
        QTest::newRow("tenth bead on a full rod") << "UUUUUUUUUU" << "123456789-" << "9";
        QTest::newRow("removing from an empty rod") << "dDdd" << "-10-" << "0";
        QTest::newRow("three tenths added and removed") << "DDDddd" << "123210" << "0";
        QTest::newRow("12 plus and minus a tenth") << "TUUDd" << "11210" << "12";
        QTest::newRow("zeros inside the number") << "HHHCCCCC" << "12312345" << "300,05";
        QTest::newRow("all nines") << QString("HTUDCM").repeated(9)
                                   << "111111222222333333444444555555666666777777888888999999" << "999,999";
    }
    void abacusBoard()
    {
        QFETCH(QString, presses);
        QFETCH(QString, trace);
        QFETCH(QString, text);
        AbacusBoard board;
        QString seen;
        for (const QChar press : presses) {
            const auto rod = AbacusBoard::Rod(QStringLiteral("htudcm").indexOf(press.toLower()));
            const bool changed = press.isUpper() ? board.addBead(rod) : board.removeBead(rod);
            seen += changed ? QString::number(board.count(rod)) : QStringLiteral("-");
        }
        QCOMPARE(seen, trace);
        QCOMPARE(QString::fromStdString(board.text()), text);
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
            << "t5 t21 t22 t25 R3 r3" << "1 2 3 4 11 1" << QList<int>{5};
        QTest::newRow("row 1 and column 1 make 19; clearing an empty line changes nothing")
            << "R1 C1 c1 c1 r2 R1" << "10 19 9 9 9 10" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("ten rows make 100, Cancella frees them")
            << "R1 R2 R3 R4 R5 R6 R7 R8 R9 R10 x" << "10 20 30 40 50 60 70 80 90 100 0" << QList<int>{};
        QTest::newRow("toggling twice restores; outside the grid nothing changes")
            << "t37 t100 t37 t0 t101 R0 C11 r-1 c11" << "1 2 1 1 1 1 1 1 1" << QList<int>{100};
    }

    // Whether an operation reports a change is checked through the window, which redraws only then.
    void fractionGrid()
    {
        QFETCH(QString, script);
        FractionGrid grid;
        QStringList counts;
        for (const QString &op : script.split(u' ')) {
            apply(grid, op);
            counts << QString::number(grid.count());
        }
        QTEST(counts.join(u' '), "counts");
        QList<int> coloured; // one past each end too, so that a write outside the grid shows
        for (int k = 0; k <= FractionGrid::cellCount + 1; ++k)
            if (grid.coloured(k))
                coloured << k;
        QTEST(coloured, "colouredAtEnd");
    }

    // Each kind at both ends of its share of the first draw, and each numerator range at its ends.
    void fraction_data()
    {
        QTest::addColumn<float>("kindDraw");
        QTest::addColumn<float>("numeratorDraw");
        QTest::addColumn<QString>("drawn"); // the fraction, then the cells it asks for
        QTest::newRow("10/10") << 0.33333331f << 0.99999994f << "10/10: 100";
        QTest::newRow("1/100") << 0.33333334f << 0.0f << "1/100: 1";
        QTest::newRow("100/100") << 0.6666666f << 0.99999994f << "100/100: 100";
        QTest::newRow("10/1000") << 0.6666667f << 0.0f << "10/1000: 1";
        QTest::newRow("370/1000") << 0.99999994f << 0.365f << "370/1000: 37";
        QTest::newRow("1000/1000") << 0.9f << 0.99999994f << "1000/1000: 100";
        QTest::newRow("a faulty 1.0 held in range") << 1.0f << 1.0f << "1000/1000: 100";
        QTest::newRow("a faulty negative held in range") << -0.5f << -0.5f << "1/10: 10";
    }
    void fraction()
    {
        QFETCH(float, kindDraw);
        QFETCH(float, numeratorDraw);
        ScriptedRandom random({kindDraw, numeratorDraw});
        const Fraction f = Fraction::draw(random);
        QTEST(QStringLiteral("%1/%2: %3").arg(f.numerator()).arg(f.denominator()).arg(f.targetCells()), "drawn");
        QCOMPARE(random.used(), std::size_t(2));
    }

    // One letter a press: U T H K add a unit, ten, hundred, thousand, lower case removes
    // one, C clears. The trace holds the kind's blocks after each press, "-" where it
    // changed nothing, 0 for a clearing; then the value.
    void blockBoard_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QString>("trace");
        QTest::newRow("left, left, right on tens") << "TTt" << "121 = 10";
        QTest::newRow("tenth unit refused") << "UUUUUUUUUU" << "123456789- = 9";
        QTest::newRow("removing from empty refused") << "kKkk" << "-10- = 0";
        QTest::newRow("clear, then a unit") << "KTTtHUCU" << "11211101 = 1";
        QTest::newRow("all nines")
            << QString("KHTU").repeated(9) << "111122223333444455556666777788889999 = 9999";
    }
    void blockBoard()
    {
        QFETCH(QString, presses);
        QFETCH(QString, trace);
        BlockBoard board;
        QString seen;
        for (const QChar press : presses) {
            const auto kind = BlockKind(QStringLiteral("UTHK").indexOf(press.toUpper()));
            if (press == u'C') {
                board.clear();
                seen += QStringLiteral("0");
                continue;
            }
            const bool changed = press.isUpper() ? board.add(kind) : board.remove(kind);
            seen += changed ? QString::number(board.count(kind)) : QStringLiteral("-");
        }
        QCOMPARE(seen + " = " + QString::number(board.value()), trace);
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
