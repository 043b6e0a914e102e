#include "common/clock_random.h"

#include <QtTest>

// The drills turn a draw u into floor(N*u + 1): a single 1.0f would give N + 1, a
// target outside its range. And each window seeds its own source from the clock, so
// two opened a moment apart must not draw the same targets.
class TestClockRandom : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void halfOpenUnitIntervalAndClockSeeds()
    {
        for (std::uint32_t seed : {0u, 1u, 0xFFFFFFFFu}) {
            ClockRandom random(seed);
            float lowest = 1.0f, highest = 0.0f;
            for (int i = 0; i < 1'000'000; ++i) {
                const float u = random.next();
                lowest = std::min(lowest, u);
                highest = std::max(highest, u);
            }
            QVERIFY(lowest >= 0.0f && lowest < 0.001f);
            QVERIFY(highest < 1.0f && highest > 0.999f);
        }
        ClockRandom first;
        QTest::qSleep(5);
        ClockRandom second;
        QVERIFY(first.next() != second.next() || first.next() != second.next());
    }
};

QTEST_GUILESS_MAIN(TestClockRandom)
#include "test_clock_random.moc"
