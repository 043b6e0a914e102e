#include "colora/fraction.h"
#include "support/scripted_random.h"

#include <QtTest>

class TestColoraFraction : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void draw_data()
    {
        QTest::addColumn<float>("u1");
        QTest::addColumn<float>("u2");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<int>("target");

        const float top = std::nextafter(1.0f, 0.0f);
        QTest::newRow("1/10") << 0.0f << 0.0f << 1 << 1 << 10 << 10;
        QTest::newRow("10/10, top of tenths") << 0.33333331f << top << 1 << 10 << 10 << 100;
        QTest::newRow("1/100, bottom of hundredths") << 0.33333334f << 0.0f << 2 << 1 << 100 << 1;
        QTest::newRow("100/100") << 0.6666666f << top << 2 << 100 << 100 << 100;
        QTest::newRow("10/1000, bottom of thousandths") << 0.6666667f << 0.0f << 3 << 10 << 1000 << 1;
        QTest::newRow("370/1000") << top << 0.365f << 3 << 370 << 1000 << 37;
        QTest::newRow("1000/1000") << 0.9f << top << 3 << 1000 << 1000 << 100;
        QTest::newRow("a faulty 1.0 stays in range") << 1.0f << 1.0f << 3 << 1000 << 1000 << 100;
        QTest::newRow("a faulty negative stays in range") << -0.5f << -0.5f << 1 << 1 << 10 << 10;
    }

    void draw()
    {
        QFETCH(float, u1);
        QFETCH(float, u2);
        QFETCH(int, kind);
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        QFETCH(int, target);

        ScriptedRandom random({u1, u2});
        const Fraction f = Fraction::draw(random);
        QCOMPARE(random.used(), std::size_t(2));
        QCOMPARE(int(f.kind()), kind);
        QCOMPARE(f.numerator(), numerator);
        QCOMPARE(f.denominator(), denominator);
        QCOMPARE(f.targetCells(), target);
    }
};

QTEST_GUILESS_MAIN(TestColoraFraction)
#include "test_colora_fraction.moc"
