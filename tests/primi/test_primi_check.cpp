#include "primi/prime_check.h"

#include <QtTest>

#include <random>
#include <string>
#include <vector>

namespace {

// How the checker first answered: trial division by every d from 2 to n - 1, no shortcut.
PrimeAnswer exhaustive(std::uint32_t n)
{
    Divisors found;
    for (std::uint32_t d = 2; d <= n - 1; ++d) {
        if (n % d == 0 && ++found.count <= static_cast<std::int32_t>(Divisors::listLimit))
            found.listed.push_back(d);
    }
    return describe(n, found, ".");
}

} // namespace

class TestPrimiCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verdicts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("verdict"); // empty: refused
        QTest::addColumn<QString>("list");    // empty: hidden; "…" first: the end of the list
        const QString it = ".", en = ",";
        QTest::newRow("2") << "2" << it << "2 è primo" << "";
        QTest::newRow("4") << "4" << it << "4 non è primo, ha 1 divisore" << "2";
        QTest::newRow("9") << "9" << it << "9 non è primo, ha 1 divisore" << "3";
        QTest::newRow("12") << "12" << it << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
        QTest::newRow("1001 it") << "1001" << it << "1.001 non è primo, ha 6 divisori" << "7 - 11 - 13 - 77 - 91 - 143";
        QTest::newRow("1001 en") << "1001" << en << "1,001 non è primo, ha 6 divisori" << "7 - 11 - 13 - 77 - 91 - 143";
        QTest::newRow("10000 it") << "10000" << it << "10.000 non è primo, ha 23 divisori" << "…2.000 - 2.500 - 5.000";
        QTest::newRow("10000 en") << "10000" << en << "10,000 non è primo, ha 23 divisori" << "…2,000 - 2,500 - 5,000";
        QTest::newRow("43243200 it") << "43243200" << it << "43.243.200 non è primo, ha 670 divisori" << "…51.975 - ";
        QTest::newRow("43243200 en") << "43243200" << en << "43,243,200 non è primo, ha 670 divisori" << "…51,975 - ";
        QTest::newRow("43243200 no-break space")
            << "43243200" << "\u00A0" << "43\u00A0243\u00A0200 non è primo, ha 670 divisori" << "…51\u00A0975 - ";
        QTest::newRow("50000000 it") << "50000000" << it << "50.000.000 non è primo, ha 70 divisori" << "…12.500.000 - 25.000.000";
        QTest::newRow("50000000 en") << "50000000" << en << "50,000,000 non è primo, ha 70 divisori" << "…12,500,000 - 25,000,000";
        QTest::newRow("1") << "1" << it << "1 non è primo" << "";
        for (const QString &typed : QStringList{"50000001", "0", "-7", "12.5", "", "abc", "-" + QString(400, u'9')})
            QTest::newRow(qPrintable("refused " + typed.left(12))) << typed << it << "" << "";
    }
    void verdicts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, separator);
        QFETCH(QString, verdict);
        QFETCH(QString, list);
        const PrimeAnswer answer = checkPrime(typed.toStdString(), separator.toStdString());
        QCOMPARE(answer.accepted, !verdict.isEmpty());
        QCOMPARE(QString::fromStdString(answer.verdict), verdict);
        QCOMPARE(answer.showList, !list.isEmpty());
        if (list.startsWith(u'…'))
            QVERIFY2(QString::fromStdString(answer.list).endsWith(list.mid(1)), answer.list.c_str());
        else
            QCOMPARE(QString::fromStdString(answer.list), list);
    }

    // Every n up to 30000, and some up to the largest, answered as the slow loop does.
    void agreesWithExhaustiveLoop()
    {
        std::vector<std::uint32_t> numbers;
        for (std::uint32_t n = 2; n <= 30000; ++n)
            numbers.push_back(n);
        std::mt19937 random(20240613);
        std::uniform_int_distribution<std::uint32_t> big(30001, largestChecked);
        for (int i = 0; i < 24; ++i)
            numbers.push_back(big(random));
        // Lists cut at 500 (670 and 638 divisors), the largest number, a prime, and the
        // square of the largest prime below the root of 50 million.
        numbers.insert(numbers.end(), {43243200, 36756720, 50000000, 49999991, 49970761});
        for (std::uint32_t n : numbers) {
            const PrimeAnswer fast = checkPrime(std::to_string(n), ".");
            const PrimeAnswer slow = exhaustive(n);
            if (fast.verdict != slow.verdict || fast.list != slow.list || fast.showList != slow.showList)
                QFAIL(qPrintable(QStringLiteral("%1: \"%2\" instead of \"%3\"")
                                     .arg(n)
                                     .arg(QString::fromStdString(fast.verdict),
                                          QString::fromStdString(slow.verdict))));
        }
    }
};

QTEST_GUILESS_MAIN(TestPrimiCheck)
#include "test_primi_check.moc"
