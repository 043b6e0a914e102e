#include "abaco/abacus_board.h"
#include "abaco/abacus_target.h"
#include "support/scripted_random.h"

#include <QTest>

class TestAbaco : public QObject {
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
        QTest::newRow("all nines") << QString("HTUDCM").repeated(9)
                                   << "111111222222333333444444555555666666777777888888999999" << "999,999";
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

    // Four draws an attempt: range code, whole part, decimal count, sine. Every row's
    // draws must all be used, no more and no fewer.
    void draw_data()
    {
        QTest::addColumn<std::vector<float>>("draws");
        QTest::addColumn<QString>("text");
        const float belowOne = 0x1.fffffep-1f;
        // range code 1, whole 5, two decimals, sin 0.5 = 0.4794...
        QTest::newRow("5,48") << std::vector<float>{0.1f, 0.5f, 0.5f, 0.5f} << "5,48";
        // One decimal under range code 1 is drawn again; the second attempt has three.
        QTest::newRow("attempt repeated")
            << std::vector<float>{0.1f, 0.5f, 0.1f, 0.9f, 0.5f, 0.0f, 0.99f, 0.5f} << "1,479";
        QTest::newRow("sine rounding to zero: no comma")
            << std::vector<float>{0.5f, 0.37f, 0.1f, 0.04f} << "37";
        QTest::newRow("draws just below 1 give 999, never 1000")
            << std::vector<float>{belowOne, belowOne, 0.0f, belowOne} << "999,8";
        // sin r is exactly 0.625, then 0.375: a half goes to the even hundredth
        QTest::newRow("half to even, down")
            << std::vector<float>{0.1f, 0.5f, 0.5f, 0x1.59aad6p-1f} << "5,62";
        QTest::newRow("half to even, up")
            << std::vector<float>{0.1f, 0.5f, 0.5f, 0x1.899f4ep-2f} << "5,38";
    }
    void draw()
    {
        QFETCH(std::vector<float>, draws);
        QFETCH(QString, text);
        ScriptedRandom random(draws);
        QCOMPARE(QString::fromStdString(AbacusTarget::draw(random).text), text);
        QCOMPARE(random.used(), draws.size());
    }
};

QTEST_GUILESS_MAIN(TestAbaco)
#include "test_abaco.moc"
