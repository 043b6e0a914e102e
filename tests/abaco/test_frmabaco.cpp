#include "abaco/frmabaco.h"

#include "app/frminizio.h"
#include "support/scripted_random.h"
#include "ui/label.h"
#include "ui/picture_button.h"
#include "ui/push_button.h"
#include "ui/registry.h"
#include "ui/score_panel.h"
#include "ui/shape.h"
#include "ui/sound.h"

#include <QPointer>
#include <QTest>

using Rod = frmabaco::Rod;

namespace {

// First target 5,48; after a right answer, 37.
std::unique_ptr<frmabaco> openWindow()
{
    auto window = std::make_unique<frmabaco>(std::make_unique<ScriptedRandom>(
        std::vector<float>{0.1f, 0.5f, 0.5f, 0.5f, 0.5f, 0.37f, 0.1f, 0.04f}));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the abacus window was never shown");
    return window;
}

// The beads a pupil sees on a rod, bottom first, e.g. "1 2".
QString shownBeads(const frmabaco &w, Rod rod)
{
    QStringList shown;
    for (int k = 1; k <= 9; ++k) {
        if (w.bead(rod, k)->isVisible())
            shown << QString::number(k);
    }
    return shown.join(u' ');
}

int shownBeadCount(const frmabaco &w)
{
    int count = 0;
    for (int rod = 0; rod < AbacusBoard::rodCount; ++rod) {
        for (int k = 1; k <= 9; ++k)
            count += w.bead(Rod(rod), k)->isVisible();
    }
    return count;
}

// Real presses on the rod buttons, written like "u5 d4 c-1" (minus: the right button).
void setBeads(frmabaco &w, const QString &moves)
{
    for (const QString &move : moves.split(u' ', Qt::SkipEmptyParts)) {
        qsizetype digits = 0;
        while (move[digits].isLetter())
            ++digits;
        auto *button = w.findChild<ui::PushButton *>(QStringLiteral("cmd") + move.left(digits));
        const int times = move.mid(digits).toInt();
        for (int i = 0; i < std::abs(times); ++i)
            QTest::mouseClick(button, times > 0 ? Qt::LeftButton : Qt::RightButton);
    }
}

} // namespace

class TestFrmabaco : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // L left click, R right click, M middle click, K the space bar on the focused button,
    // C a right click while the left is held (the left release then clicks).
    void rodButton_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QString>("beads");
        QTest::addColumn<QString>("value");
        QTest::newRow("three left clicks, a right one takes the top bead") << "LLLR" << "1 2" << "2";
        QTest::newRow("right click on an empty rod") << "R" << "" << "0";
        QTest::newRow("middle click never removes") << "LLM" << "1 2" << "2";
        QTest::newRow("ten left clicks") << "LLLLLLLLLL" << "1 2 3 4 5 6 7 8 9" << "9";
        QTest::newRow("right click with the left held") << "LLC" << "1 2 3" << "3";
        QTest::newRow("keyboard adds") << "KK" << "1 2" << "2";
    }
    void rodButton()
    {
        QFETCH(QString, presses);
        QFETCH(QString, beads);
        QFETCH(QString, value);
        const auto w = openWindow();
        w->cmdu->setFocus();
        for (const QChar press : presses) {
            switch (press.unicode()) {
            case 'L': QTest::mouseClick(w->cmdu, Qt::LeftButton); break;
            case 'R': QTest::mouseClick(w->cmdu, Qt::RightButton); break;
            case 'M': QTest::mouseClick(w->cmdu, Qt::MiddleButton); break;
            case 'K': QTest::keyClick(w->cmdu, Qt::Key_Space); break;
            case 'C':
                QTest::mousePress(w->cmdu, Qt::LeftButton);
                QTest::mouseClick(w->cmdu, Qt::RightButton);
                QTest::mouseRelease(w->cmdu, Qt::LeftButton);
                break;
            }
        }
        QCOMPARE(shownBeads(*w, Rod::Units), beads);
        QCOMPARE(w->lblnum->text(), value);
    }

    void judge_data()
    {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<bool>("right");
        QTest::newRow("5,48 set right") << "u5 d4 c8" << true;
        QTest::newRow("5,48 after corrections") << "u6 u-1 d4 c9 c-1" << true;
        QTest::newRow("one thousandth too many") << "u5 d4 c8 m1" << false;
        QTest::newRow("empty board") << "" << false;
    }
    void judge()
    {
        QFETCH(QString, moves);
        QFETCH(bool, right);
        const auto w = openWindow();
        QCOMPARE(w->lbln->text(), QStringLiteral("5,48"));
        setBeads(*w, moves);
        const long long beeps = ui::beepCount();
        QTest::mouseClick(w->cmdconferma, Qt::LeftButton);

        QCOMPARE(w->lblmess->text(), right ? QStringLiteral("Giusto, complimenti!")
                                           : QStringLiteral("Attento... Riprova!"));
        QCOMPARE(ui::beepCount() - beeps, right ? 0 : 1);
        QCOMPARE(w->lbln->text(), right ? QStringLiteral("37") : QStringLiteral("5,48"));
        QCOMPARE(w->Frame1->lbles()->text(), right ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(w->Frame1->lbler()->text(), right ? QStringLiteral("0") : QStringLiteral("1"));
        QCOMPARE(shownBeadCount(*w), 0);
        QCOMPARE(w->lblnum->text(), QStringLiteral("0"));
    }

    // A second answer restarts the period: its message is not cut short by the first one's.
    void messageStaysThreeSecondsAfterEachAnswer()
    {
        const auto w = openWindow();
        QTest::mouseClick(w->cmdconferma, Qt::LeftButton);
        QTest::qWait(2500);
        QTest::mouseClick(w->cmdconferma, Qt::LeftButton);
        QTest::qWait(1000);
        QCOMPARE(w->lblmess->text(), QStringLiteral("Attento... Riprova!"));
        QTRY_COMPARE_WITH_TIMEOUT(w->lblmess->text(), QString(), 3000);
        QCOMPARE(w->Frame1->lbler()->text(), QStringLiteral("2"));
    }

    void escapeGoesBackAndReopeningStartsAfresh()
    {
        QPointer<frmabaco> w = openWindow().release();
        setBeads(*w, "u1");
        QTest::mouseClick(w->cmdconferma, Qt::LeftButton);
        QTest::keyClick(w->cmdfine, Qt::Key_Escape);
        QTRY_VERIFY(w.isNull());
        auto *start = ui::Registry::instance().find<frminizio>();
        QVERIFY(start && start->isVisible());

        const std::unique_ptr<frmabaco> again(ui::show<frmabaco>());
        QCOMPARE(again->Frame1->lbler()->text(), QStringLiteral("0"));
        QVERIFY(!again->lbln->text().isEmpty());
        QCOMPARE(shownBeadCount(*again), 0);
        delete start;
    }
};

QTEST_MAIN(TestFrmabaco)
#include "test_frmabaco.moc"
