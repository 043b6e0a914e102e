#include "abaco/abacus_board.h"

#include <QTest>

#include <cstdlib>
#include <map>

using Rod = AbacusBoard::Rod;

// Plays moves written like "da1 u2 d-1": a rod's caption, then how many beads to
// add, or with a minus sign to remove.
static void play(AbacusBoard &board, const QString &moves)
{
    static const std::map<QString, Rod> byName{{"h", Rod::Hundreds}, {"da", Rod::Tens},
                                                {"u", Rod::Units}, {"d", Rod::Tenths},
                                                {"c", Rod::Hundredths}, {"m", Rod::Thousandths}};
    for (const QString &move : moves.split(u' ', Qt::SkipEmptyParts)) {
        qsizetype digits = 0;
        while (digits < move.size() && move[digits].isLetter())
            ++digits;
        const Rod rod = byName.at(move.left(digits));
        const int times = move.mid(digits).toInt();
        for (int i = 0; i < std::abs(times); ++i)
            times > 0 ? board.addBead(rod) : board.removeBead(rod);
    }
}

class TestAbacoBoard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void text_data()
    {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty board") << "" << "0";
        QTest::newRow("one thousandth") << "m1" << "0,001";
        QTest::newRow("five hundredths") << "c5" << "0,05";
        QTest::newRow("nine thousandths") << "m9" << "0,009";
        QTest::newRow("3 hundreds 2 tenths") << "h3 d2" << "300,2";
        QTest::newRow("three tenths added and removed") << "d3 d-3" << "0";
        QTest::newRow("12 plus and minus a tenth") << "da1 u2 d1 d-1" << "12";
        QTest::newRow("all nines") << "h9 da9 u9 d9 c9 m9" << "999,999";
        QTest::newRow("tenth bead on a full rod") << "u10" << "9";
    }
    void text()
    {
        QFETCH(QString, moves);
        QFETCH(QString, text);
        AbacusBoard board;
        play(board, moves);
        QCOMPARE(QString::fromStdString(board.text()), text);
    }

    // The window shows and hides exactly the bead that the board names.
    void namesTheBeadThatChanged()
    {
        AbacusBoard board;
        QCOMPARE(board.removeBead(Rod::Tenths), std::nullopt);
        for (int k = 1; k <= 9; ++k)
            QCOMPARE(board.addBead(Rod::Tenths), std::optional<int>(k));
        QCOMPARE(board.addBead(Rod::Tenths), std::nullopt);
        QCOMPARE(board.count(Rod::Tenths), 9);
        QCOMPARE(board.removeBead(Rod::Tenths), std::optional<int>(9));
        QCOMPARE(board.addBead(Rod::Tenths), std::optional<int>(9));
        for (int k = 9; k >= 1; --k)
            QCOMPARE(board.removeBead(Rod::Tenths), std::optional<int>(k));
        QCOMPARE(board.removeBead(Rod::Tenths), std::nullopt);
        QCOMPARE(board.count(Rod::Tenths), 0);
    }
};

QTEST_GUILESS_MAIN(TestAbacoBoard)
#include "test_abaco_board.moc"
