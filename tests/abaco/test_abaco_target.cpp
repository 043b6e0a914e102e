#include "abaco/abacus_target.h"

#include "support/scripted_random.h"

#include <QTest>

class TestAbacoTarget : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void draw_data()
    {
        QTest::addColumn<std::vector<float>>("draws");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("used");

        // range code 1, whole 5, two decimals, sin 0.5 = 0.4794...
        QTest::newRow("5,48") << std::vector<float>{0.1f, 0.5f, 0.5f, 0.5f} << "5,48" << 4;
        QTest::newRow("decimal count equal to the range code is drawn again")
            << std::vector<float>{0.1f, 0.5f, 0.1f, 0.9f, 0.1f, 0.5f, 0.5f, 0.5f} << "5,48" << 8;
        QTest::newRow("sine rounding to zero gives a whole number")
            << std::vector<float>{0.5f, 0.37f, 0.1f, 0.04f} << "37" << 4;
        QTest::newRow("trailing zero of the rounded sine dropped")
            << std::vector<float>{0.1f, 0.5f, 0.5f, 0.5236f} << "5,5" << 4;
        // sin r is exactly 0.625 here: 62.5 hundredths go to the even 62
        QTest::newRow("half-way sine rounds to even")
            << std::vector<float>{0.1f, 0.5f, 0.5f, 0x1.59aad6p-1f} << "5,62" << 4;
        QTest::newRow("three decimals")
            << std::vector<float>{0.5f, 0.0f, 0.99f, 0.5f} << "1,479" << 4;
        QTest::newRow("draws just below 1 give 999, never 1000")
            << std::vector<float>{0x1.fffffep-1f, 0x1.fffffep-1f, 0.0f, 0x1.fffffep-1f} << "999,8" << 4;
        QTest::newRow("draws of 0 give 1, never 0")
            << std::vector<float>{0.0f, 0.0f, 0.5f, 0.0f} << "1" << 4;
    }
    void draw()
    {
        QFETCH(std::vector<float>, draws);
        QFETCH(QString, text);
        QFETCH(int, used);
        ScriptedRandom random(draws);
        const AbacusTarget target = AbacusTarget::draw(random);
        QCOMPARE(QString::fromStdString(target.text), text);
        QCOMPARE(random.used(), std::size_t(used));
        QVERIFY(target.decimalCount != target.rangeCode);
        QVERIFY(target.wholePart >= 1 && target.wholePart <= target.wholeMaximum);
    }
};

QTEST_GUILESS_MAIN(TestAbacoTarget)
#include "test_abaco_target.moc"
