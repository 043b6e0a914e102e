#include "colora/fraction_grid.h"

#include <QtTest>

namespace {

// Runs a script of operations: "t37" toggles cell 37, "R3"/"r3" colours/clears
// row 3, "C1"/"c1" colours/clears column 1, "x" clears the grid. Returns what the
// last operation reported.
std::vector<int> run(FractionGrid &grid, const QString &script)
{
    std::vector<int> changed;
    for (const QString &op : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int n = op.mid(1).toInt();
        switch (op.at(0).toLatin1()) {
        case 't': changed = grid.toggle(n); break;
        case 'R': changed = grid.colourRow(n); break;
        case 'r': changed = grid.clearRow(n); break;
        case 'C': changed = grid.colourColumn(n); break;
        case 'c': changed = grid.clearColumn(n); break;
        case 'x': changed = grid.clearAll(); break;
        default: qFatal("unknown operation %s", qPrintable(op));
        }
    }
    return changed;
}

QList<int> span(int first, int last, int step = 1)
{
    QList<int> cells;
    for (int k = first; k <= last; k += step)
        cells << k;
    return cells;
}

} // namespace

class TestColoraGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void operations_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("lastChanged");
        QTest::addColumn<QList<int>>("colouredCells");

        const QString tenRows = QStringLiteral("R1 R2 R3 R4 R5 R6 R7 R8 R9 R10");
        QTest::newRow("row with 3 coloured adds 7")
            << QStringLiteral("t21 t22 t25 R3") << 10 << QList<int>{23, 24, 26, 27, 28, 29, 30}
            << span(21, 30);
        QTest::newRow("clearing that row subtracts 10")
            << QStringLiteral("t21 t22 t25 R3 r3") << 0 << span(21, 30) << QList<int>{};
        QTest::newRow("row 1 then column 1 counts cell 1 once")
            << QStringLiteral("R1 C1") << 19 << span(11, 91, 10) << (span(1, 10) + span(11, 91, 10));
        QTest::newRow("ten rows make 100") << tenRows << 100 << span(91, 100) << span(1, 100);
        QTest::newRow("Cancella after ten rows")
            << tenRows + QStringLiteral(" x") << 0 << span(1, 100) << QList<int>{};
        QTest::newRow("clearing an empty row") << QStringLiteral("t5 r2") << 1 << QList<int>{}
                                               << QList<int>{5};
        QTest::newRow("colouring a coloured row again") << QStringLiteral("R4 R4") << 10
                                                        << QList<int>{} << span(31, 40);
        QTest::newRow("clearing a column across a coloured row")
            << QStringLiteral("R2 c5") << 9 << QList<int>{15}
            << QList<int>{11, 12, 13, 14, 16, 17, 18, 19, 20};
        QTest::newRow("toggling twice restores") << QStringLiteral("t37 t100 t37") << 1
                                                 << QList<int>{37} << QList<int>{100};
        QTest::newRow("numbers outside the grid change nothing")
            << QStringLiteral("R3 t0 t101 R0 C11 r-1 c11") << 10 << QList<int>{} << span(21, 30);
    }

    void operations()
    {
        QFETCH(QString, script);
        QFETCH(int, count);
        QFETCH(QList<int>, lastChanged);
        QFETCH(QList<int>, colouredCells);

        FractionGrid grid;
        const std::vector<int> changed = run(grid, script);
        QCOMPARE(QList<int>(changed.begin(), changed.end()), lastChanged);
        QCOMPARE(grid.count(), count);
        QList<int> coloured;
        for (int k = 0; k <= 101; ++k) {
            if (grid.coloured(k))
                coloured << k;
        }
        QCOMPARE(coloured, colouredCells);
    }
};

QTEST_GUILESS_MAIN(TestColoraGrid)
#include "test_colora_grid.moc"
