#include "componi/block_board.h"

#include <QTest>

class TestComponiBoard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One letter a press: U T H K add a unit, ten, hundred, thousand, lower case removes
    // one, C clears. The trace holds the slot each press showed or hid, "-" where it
    // changed nothing and, for a clearing, how many blocks it hid; then the value.
    void presses_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QString>("trace");
        QTest::newRow("left, left, right on tens") << "TTt" << "122 = 10";
        QTest::newRow("tenth unit refused") << "UUUUUUUUUU" << "123456789- = 9";
        QTest::newRow("removing from empty refused") << "kKkk" << "-11- = 0";
        QTest::newRow("clear, then a unit") << "KTTtHUCU" << "11221141 = 1";
        QTest::newRow("all nines")
            << QString("KHTU").repeated(9) << "111122223333444455556666777788889999 = 9999";
    }
    void presses()
    {
        QFETCH(QString, presses);
        QFETCH(QString, trace);
        BlockBoard board;
        QString seen;
        for (const QChar press : presses) {
            const auto kind = BlockKind(QStringLiteral("UTHK").indexOf(press.toUpper()));
            const auto slot = press == u'C' ? std::optional<int>(int(board.clear().size()))
                                            : press.isUpper() ? board.add(kind) : board.remove(kind);
            seen += slot ? QString::number(*slot) : QStringLiteral("-");
        }
        QCOMPARE(seen + " = " + QString::number(board.value()), trace);
    }
};

QTEST_GUILESS_MAIN(TestComponiBoard)
#include "test_componi_board.moc"
