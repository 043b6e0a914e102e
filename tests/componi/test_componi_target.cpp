#include "componi/number_target.h"

#include "support/scripted_random.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

class TestComponiTarget : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void draw_data();
    void draw();
    void everyNumberEquallyLikely();
};

void TestComponiTarget::draw_data()
{
    const auto drawFor = [](int n) { return (n - 100 + 0.5f) / 9900; };
    QTest::addColumn<float>("u");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0.0f << 100 << "100";
    QTest::newRow("just below 1") << std::nextafter(1.0f, 0.0f) << 9999 << "9.999";
    QTest::newRow("999") << drawFor(999) << 999 << "999";
    QTest::newRow("1000") << drawFor(1000) << 1000 << "1.000";
    QTest::newRow("1030") << drawFor(1030) << 1030 << "1.030";
    QTest::newRow("4506") << drawFor(4506) << 4506 << "4.506";
    QTest::newRow("a source giving 1") << 1.0f << 9999 << "9.999";
    QTest::newRow("a source giving below 0") << -0.25f << 100 << "100";
}

void TestComponiTarget::draw()
{
    QFETCH(float, u);
    QFETCH(int, value);
    QFETCH(QString, text);
    ScriptedRandom random({0.5f, u});
    NumberTarget target(random);
    QCOMPARE(target.value(), 5050);
    target.draw();
    QCOMPARE(target.value(), value);
    QCOMPARE(QString::fromStdString(target.text()), text);
}

void TestComponiTarget::everyNumberEquallyLikely()
{
    // Every value a 24-bit source can give, once each.
    class EveryDraw : public RandomSource {
    public:
        float next() override { return static_cast<float>(k_++) * (1.0f / 16777216.0f); }
        std::uint32_t k_ = 0;
    } random;
    NumberTarget target(random);
    std::vector<int> times(10000, 0);
    int outside = 0;
    for (int i = 0; i < (1 << 24); ++i) {
        if (i > 0)
            target.draw();
        const int n = target.value();
        (n >= 100 && n <= 9999 ? times[n] : outside)++;
    }
    QCOMPARE(outside, 0);
    const auto [least, most] = std::minmax_element(times.begin() + 100, times.end());
    QVERIFY2(*most - *least <= 1, qPrintable(QStringLiteral("%1 to %2").arg(*least).arg(*most)));
}

QTEST_GUILESS_MAIN(TestComponiTarget)
#include "test_componi_target.moc"
