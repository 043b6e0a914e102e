#include "colora/fraction.h"
#include "support/scripted_random.h"

#include <QtTest>

class TestColoraFraction : public QObject {
    Q_OBJECT
private Q_SLOTS:
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

QTEST_GUILESS_MAIN(TestColoraFraction)
#include "test_colora_fraction.moc"
