#include "componi/block_board.h"

#include <QTest>

class TestComponiBoard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void presses_data();
    void presses();
};

void TestComponiBoard::presses_data()
{
    // One letter a press: U T H K add a unit, ten, hundred, thousand, lower case removes
    // one, C clears. The trace holds the slot each press showed or hid, "-" where it
    // changed nothing, and how many blocks each clearing hid.
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<int>("value");
    QTest::newRow("left, left, right on tens") << "TTt" << "122" << 10;
    QTest::newRow("tenth unit refused") << "UUUUUUUUUU" << "123456789-" << 9;
    QTest::newRow("removing from empty refused") << "kKkk" << "-11-" << 0;
    QTest::newRow("last added, first removed") << "HHHhH" << "12333" << 300;
    QTest::newRow("three hundreds, two units") << "HHHUU" << "12312" << 302;
    QTest::newRow("removal leaves the other kinds") << "KUUTHu" << "112112" << 1111;
    QTest::newRow("clear, then a unit") << "KTTHUCU" << "1121151" << 1;
    QTest::newRow("clear on an empty board") << "CU" << "01" << 1;
    QTest::newRow("nine of every kind") << "KKKKKKKKKHHHHHHHHHTTTTTTTTTUUUUUUUUU"
                                        << "123456789123456789123456789123456789" << 9999;
}

void TestComponiBoard::presses()
{
    QFETCH(QString, script);
    QFETCH(QString, trace);
    QFETCH(int, value);
    BlockBoard board;
    QString seen;
    for (QChar c : script) {
        if (c == u'C') {
            seen += QString::number(board.clear().size());
            continue;
        }
        const BlockKind kind = c.toUpper() == u'U' ? BlockKind::Units
            : c.toUpper() == u'T'                   ? BlockKind::Tens
            : c.toUpper() == u'H'                   ? BlockKind::Hundreds
                                                    : BlockKind::Thousands;
        const std::optional<int> slot = c.isUpper() ? board.add(kind) : board.remove(kind);
        seen += slot ? QString::number(*slot) : QStringLiteral("-");
    }
    QCOMPARE(seen, trace);
    QCOMPARE(board.value(), value);
}

QTEST_GUILESS_MAIN(TestComponiBoard)
#include "test_componi_board.moc"
