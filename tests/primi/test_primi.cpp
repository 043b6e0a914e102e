#include "primi/prime_check.h"

#include <QtTest>

#include <random>
#include <string>
#include <vector>

class TestPrimi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verdicts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("verdict"); // empty: refused; ' stands for the thousands separator
        QTest::addColumn<QString>("list");    // empty: hidden; "…" first: how the list ends
        QTest::newRow("4") << "4" << "4 non è primo, ha 1 divisore" << "2";
        QTest::newRow("12") << "12" << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
        QTest::newRow("97") << "97" << "97 è primo" << "";
        QTest::newRow("1001") << "1001" << "1'001 non è primo, ha 6 divisori" << "7 - 11 - 13 - 77 - 91 - 143";
        QTest::newRow("10000") << "10000" << "10'000 non è primo, ha 23 divisori" << "…2'000 - 2'500 - 5'000";
        // 670 divisors: the list stops at the 500th, which is still followed by " - ".
        QTest::newRow("43243200") << "43243200" << "43'243'200 non è primo, ha 670 divisori" << "…51'975 - ";
        QTest::newRow("50000000") << "50000000" << "50'000'000 non è primo, ha 70 divisori" << "…12'500'000 - 25'000'000";
        QTest::newRow("1") << "1" << "1 non è primo" << "";
        // How typed text is read: blanks anywhere, up to what cannot go on a number.
        QTest::newRow("blanks anywhere") << " \t1 2\n" << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
        QTest::newRow("letters stop") << "12abc" << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
        QTest::newRow("the comma stops") << "12,7" << "12 non è primo, ha 4 divisori" << "2 - 3 - 4 - 6";
        QTest::newRow("the point is decimal") << "1.000" << "1 non è primo" << "";
        QTest::newRow("no exponent") << "1e5" << "1 non è primo" << "";
        QTest::newRow("a sign and a blank") << "+ 7" << "7 è primo" << "";
        QTest::newRow("a megabyte of leading zeros") << QString(1 << 20, u'0') + "97" << "97 è primo" << "";
        for (const QString &typed : QStringList{"50000001", "0", "-7", "12.5", "", "abc", "-0", ".5", "1" + QString(1 << 20, u'0')})
            QTest::newRow(qPrintable(QStringLiteral("refused '%1'").arg(typed.left(10)))) << typed << "" << "";
    }
    void verdicts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, verdict);
        QFETCH(QString, list);
        for (const QString separator : {".", ",", "\u00A0"}) {
            const PrimeAnswer answer = checkPrime(typed.toStdString(), separator.toStdString());
            const QString shown = QString::fromStdString(answer.list), want = QString(list).replace(u'\'', separator);
            QCOMPARE(answer.accepted, !verdict.isEmpty());
            QCOMPARE(QString::fromStdString(answer.verdict), QString(verdict).replace(u'\'', separator));
            QCOMPARE(answer.showList, !list.isEmpty());
            QVERIFY2(want.startsWith(u'…') ? shown.endsWith(want.mid(1)) : shown == want, qPrintable(shown));
        }
    }

    // Every n up to 30000, two dozen drawn up to the largest, and lists cut at 500 (670 and
    // 638 divisors), the largest, a prime and the square of the largest prime below its root.
    void agreesWithExhaustiveLoop()
    {
        std::vector<std::uint32_t> numbers{43243200, 36756720, 50000000, 49999991, 49970761};
        std::mt19937 random(20240613);
        for (int i = 0; i < 24; ++i)
            numbers.push_back(std::uniform_int_distribution<std::uint32_t>(30001, largestChecked)(random));
        for (std::uint32_t n = 2; n <= 30000; ++n)
            numbers.push_back(n);
        for (std::uint32_t n : numbers) {
            Divisors slow; // trial division by every d from 2 to n - 1, no shortcut
            for (std::uint32_t d = 2; d < n; ++d)
                if (n % d == 0 && ++slow.count <= std::int32_t(Divisors::listLimit))
                    slow.listed.push_back(d);
            const PrimeAnswer fast = checkPrime(std::to_string(n), "."), want = describe(n, slow, ".");
            if (fast.verdict != want.verdict || fast.list != want.list || fast.showList != want.showList)
                QFAIL(qPrintable(QStringLiteral("%1: %2").arg(n).arg(QString::fromStdString(fast.verdict))));
        }
    }
};

QTEST_GUILESS_MAIN(TestPrimi)
#include "test_primi.moc"
