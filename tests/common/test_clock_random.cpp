#include "common/clock_random.h"

#include <QtTest>

// The drills turn a draw u into floor(N*u + 1): a 1.0f would give N + 1, a target out
// of range, and a narrower range would leave targets out. Each window seeds its own
// source from the clock, so two opened a moment apart must not draw the same targets.
class TestClockRandom : public QObject {
    Q_OBJECT
private Q_SLOTS:
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

QTEST_GUILESS_MAIN(TestClockRandom)
#include "test_clock_random.moc"
