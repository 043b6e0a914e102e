#include "componi/number_target.h"

#include "support/scripted_random.h"

#include <QTest>

#include <cmath>

class TestComponiTarget : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void draw_data()
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
        QTest::newRow("a source breaking its promise with 1") << 1.0f << "9.999";
        QTest::newRow("a source breaking its promise below 0") << -0.25f << "100";
    }
    void draw()
    {
        QFETCH(float, u);
        QFETCH(QString, text);
        ScriptedRandom random({u});
        QCOMPARE(QString::fromStdString(NumberTarget(random).text()), text);
    }
};

QTEST_GUILESS_MAIN(TestComponiTarget)
#include "test_componi_target.moc"
