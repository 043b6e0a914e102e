#include "componi/block_board.h"
#include "componi/number_target.h"
#include "support/scripted_random.h"

#include <QTest>

#include <cmath>

class TestComponi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One letter a press: U T H K add a unit, ten, hundred, thousand, lower case removes
    // one, C clears. The trace holds the slot each press showed or hid, "-" where it
    // changed nothing, 0 for a clearing; then the value.
    void presses_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QString>("trace");
        QTest::newRow("left, left, right on tens") << "TTt" << "122 = 10";
        QTest::newRow("tenth unit refused") << "UUUUUUUUUU" << "123456789- = 9";
        QTest::newRow("removing from empty refused") << "kKkk" << "-11- = 0";
        QTest::newRow("clear, then a unit") << "KTTtHUCU" << "11221101 = 1";
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
            const auto slot = press == u'C' ? (board.clear(), std::optional<int>(0))
                                            : press.isUpper() ? board.add(kind) : board.remove(kind);
            seen += slot ? QString::number(*slot) : QStringLiteral("-");
        }
        QCOMPARE(seen + " = " + QString::number(board.value()), trace);
    }

    void draw_data()
    {
        QTest::addColumn<float>("u");
        QTest::addColumn<QString>("text");
        // The first of the 2^24 draws a source of 24-bit floats can give that lands on n,
        // if each number takes an equal share of them.
        const auto first = [](int n) {
            return float(std::ceil((n - 100) * 16777216.0 / 9900) / 16777216);
        };
        QTest::newRow("0") << 0.0f << "100";
        QTest::newRow("just below 1") << std::nextafter(1.0f, 0.0f) << "9.999";
        QTest::newRow("last draw of 999") << first(1000) - 0x1p-24f << "999";
        QTest::newRow("first draw of 1000") << first(1000) << "1.000";
        QTest::newRow("1030") << first(1030) << "1.030";
        QTest::newRow("4506") << first(4506) << "4.506";
    }
    void draw()
    {
        QFETCH(float, u);
        QFETCH(QString, text);
        ScriptedRandom random({u});
        QCOMPARE(QString::fromStdString(NumberTarget::draw(random).text()), text);
    }
};

QTEST_GUILESS_MAIN(TestComponi)
#include "test_componi.moc"
