#include "colora/fraction.h"
#include "colora/fraction_grid.h"
#include "support/scripted_random.h"

#include <QtTest>

namespace {

// "t37" toggles cell 37, "R3"/"r3" colour/clear row 3, "C1"/"c1" column 1, "x" clears all.
std::vector<int> apply(FractionGrid &grid, const QString &op)
{
    using Op = std::vector<int> (FractionGrid::*)(int);
    static const QHash<char, Op> byLetter{
        {'t', &FractionGrid::toggle}, {'R', &FractionGrid::colourRow}, {'r', &FractionGrid::clearRow},
        {'C', &FractionGrid::colourColumn}, {'c', &FractionGrid::clearColumn}};
    return op == u'x' ? grid.clearAll() : (grid.*byLetter.value(op.at(0).toLatin1()))(op.mid(1).toInt());
}

} // namespace

class TestColora : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void operations_data()
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

    // What each operation reports is checked through the window, which repaints only those cells.
    void operations()
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
    void draw_data()
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
    void draw()
    {
        QFETCH(float, kindDraw);
        QFETCH(float, numeratorDraw);
        ScriptedRandom random({kindDraw, numeratorDraw});
        const Fraction f = Fraction::draw(random);
        QTEST(QStringLiteral("%1/%2: %3").arg(f.numerator()).arg(f.denominator()).arg(f.targetCells()), "drawn");
        QCOMPARE(random.used(), std::size_t(2));
    }
};

QTEST_GUILESS_MAIN(TestColora)
#include "test_colora.moc"
