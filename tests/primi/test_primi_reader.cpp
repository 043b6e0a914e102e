#include "primi/number_reader.h"

#include <QtTest>

#include <limits>
#include <string>

class TestPrimiReader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reads_data()
    {
        const std::string zeros(1 << 20, '0');
        QTest::addColumn<std::string>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("blanks anywhere") << std::string(" \t1 2\n3 ") << 123.0;
        QTest::newRow("blank after the sign") << std::string("- 7") << -7.0;
        QTest::newRow("letters stop") << std::string("12abc") << 12.0;
        QTest::newRow("comma stops") << std::string("12,7") << 12.0;
        QTest::newRow("point is decimal") << std::string("1.000") << 1.0;
        QTest::newRow("leading point") << std::string(".5") << 0.5;
        QTest::newRow("no exponent") << std::string("1e5") << 1.0;
        QTest::newRow("empty") << std::string() << 0.0;
        QTest::newRow("letters") << std::string("abc") << 0.0;
        QTest::newRow("minus zero") << std::string("-0") << 0.0;
        QTest::newRow("megabyte too large") << "1" + zeros << std::numeric_limits<double>::infinity();
        QTest::newRow("megabyte too large, negative") << "-1" + zeros << -std::numeric_limits<double>::infinity();
        QTest::newRow("megabyte of leading zeros") << zeros + "12" << 12.0;
        QTest::newRow("megabyte too small") << "." + zeros + "1" << 0.0;
    }
    void reads()
    {
        QFETCH(std::string, text);
        QTEST(readNumber(text), "value");
    }
};

QTEST_GUILESS_MAIN(TestPrimiReader)
#include "test_primi_reader.moc"
