#include "abaco/abacus_target.h"

#include "support/scripted_random.h"

#include <QTest>

class TestAbacoTarget : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Four draws an attempt: range code, whole part, decimal count, sine. Every row's
    // draws must all be used, no more and no fewer.
    void draw_data()
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
    void draw()
    {
        QFETCH(std::vector<float>, draws);
        QFETCH(QString, text);
        ScriptedRandom random(draws);
        QCOMPARE(QString::fromStdString(AbacusTarget::draw(random).text), text);
        QCOMPARE(random.used(), draws.size());
    }
};

QTEST_GUILESS_MAIN(TestAbacoTarget)
#include "test_abaco_target.moc"
