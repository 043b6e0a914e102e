#include "abaco/abacus_board.h"

#include <QTest>

class TestAbacoBoard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One letter a press, h t u d c m from hundreds to thousandths: upper case adds a
    // bead, lower case removes one. The trace holds the bead each press showed or hid,
    // "-" where the rod was full or empty: the window shows and hides just that bead.
    void presses_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QString>("trace");
        QTest::addColumn<QString>("text");
        QTest::newRow("tenth bead on a full rod") << "UUUUUUUUUU" << "123456789-" << "9";
        QTest::newRow("removing from an empty rod") << "dDdd" << "-11-" << "0";
        QTest::newRow("three tenths added and removed") << "DDDddd" << "123321" << "0";
        QTest::newRow("12 plus and minus a tenth") << "TUUDd" << "11211" << "12";
        QTest::newRow("zeros inside the number") << "HHHCCCCC" << "12312345" << "300,05";
        QTest::newRow("all nines") << QString(9, u'H') + QString(9, u'T') + QString(9, u'U')
                + QString(9, u'D') + QString(9, u'C') + QString(9, u'M')
                                   << QString("123456789").repeated(6) << "999,999";
    }
    void presses()
    {
        QFETCH(QString, presses);
        QFETCH(QString, trace);
        QFETCH(QString, text);
        AbacusBoard board;
        QString seen;
        for (const QChar press : presses) {
            const auto rod = AbacusBoard::Rod(QStringLiteral("htudcm").indexOf(press.toLower()));
            const auto bead = press.isUpper() ? board.addBead(rod) : board.removeBead(rod);
            seen += bead ? QString::number(*bead) : QStringLiteral("-");
        }
        QCOMPARE(seen, trace);
        QCOMPARE(QString::fromStdString(board.text()), text);
    }
};

QTEST_GUILESS_MAIN(TestAbacoBoard)
#include "test_abaco_board.moc"
