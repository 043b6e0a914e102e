#include "app/frminizio.h"
#include "app/frmistruzioni.h"
#include "colora/frmcolora.h"
#include "support/scripted_random.h"
#include "ui/colour.h"
#include "ui/label.h"
#include "ui/picture_button.h"
#include "ui/push_button.h"
#include "ui/registry.h"
#include "ui/score_panel.h"
#include "ui/sound.h"

#include <QtTest>

namespace {

const QColor colouredCell = ui::vbColor(0x00FF0000);

QList<int> colouredCells(const frmcolora *w)
{
    QList<int> cells;
    for (int k = 1; k <= frmcolora::side * frmcolora::side; ++k)
        if (w->lbl(k)->backColour() == colouredCell)
            cells << k;
    return cells;
}

// What the pupil meets after an answer: the fraction, right:wrong, the message, the
// coloured cells, and the beeps since the count given.
QString shown(const frmcolora *w, long long beepsBefore)
{
    return QStringLiteral("%1/%2 %3:%4 %5 cells %6 beeps %7").arg(w->lblnum->text(), w->lblden->text(),
        w->Frame1->lbles()->text(), w->Frame1->lbler()->text(), w->lblmess->text(),
        QString::number(colouredCells(w).size()), QString::number(ui::beepCount() - beepsBefore));
}

frmcolora *open(std::vector<float> draws = {0.0f, 0.0f})
{
    auto *w = new frmcolora(std::make_unique<ScriptedRandom>(std::move(draws)));
    w->show();
    return w;
}

} // namespace

class TestFrmcolora : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        ui::Registry::instance().destroyAll();
    }

    void lineButton_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<int>>("withLine");
        QTest::newRow("row 3") << "cmdo(3)" << QList<int>{21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 55};
        QTest::newRow("column 10") << "cmdv(10)" << QList<int>{10, 20, 30, 40, 50, 55, 60, 70, 80, 90, 100};
    }

    // A right click toggles a cell as a left one does. A line colours on the completed
    // left click and clears on the right press, before the release; cell 30 lies on
    // both lines, cell 55 on neither.
    void lineButton()
    {
        QFETCH(QString, line);
        frmcolora *w = open();
        auto *button = w->findChild<QWidget *>(line);
        QTest::mouseClick(w->lbl(30), Qt::RightButton);
        QTest::mouseClick(w->lbl(55), Qt::RightButton);
        QCOMPARE(colouredCells(w), QList<int>({30, 55}));
        QCOMPARE(w->grab().toImage().pixelColor(w->lbl(55)->geometry().center()), colouredCell);
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(colouredCells(w), QList<int>({30, 55}));
        QTest::mouseRelease(button, Qt::LeftButton);
        QTEST(colouredCells(w), "withLine");
        QTest::mousePress(button, Qt::RightButton);
        QCOMPARE(colouredCells(w), QList<int>{55});
        QTest::mouseRelease(button, Qt::RightButton);
        QTest::mouseClick(w->cmdcanc, Qt::LeftButton);
        QCOMPARE(colouredCells(w), QList<int>{});
    }

    // A sitting: a wrong answer, a right one, then the instructions.
    void sitting()
    {
        // 1/10, then 37/100 after the right answer; a further draw would throw.
        QPointer<frmcolora> w = open({0.0f, 0.0f, 0.5f, 0.365f});
        const long long beeps = ui::beepCount();
        QTest::mouseClick(w->lbl(5), Qt::LeftButton);
        QTest::mouseClick(w->cmdconferma, Qt::LeftButton);
        QCOMPARE(shown(w, beeps), "1/10 0:1 Attento... Riprova! cells 0 beeps 1");

        // Each answer restarts the interval, so that its message stays the whole of it.
        QTRY_VERIFY(w->time->remainingTime() < 2000);
        QTest::mouseClick(w->cmdo(7), Qt::LeftButton);
        QTest::mouseClick(w->cmdconferma, Qt::LeftButton);
        QVERIFY(w->time->remainingTime() > 2000);
        QCOMPARE(shown(w, beeps), "37/100 1:1 Giusto, complimenti! cells 0 beeps 1");
        QTRY_COMPARE_WITH_TIMEOUT(w->lblmess->text(), QString(), 4000);

        // One instructions window however often asked for; the drill stays usable, and
        // leaving it with Esc, as with Fine, leaves the instructions open.
        QTest::mouseClick(w->cmdistruzioni, Qt::LeftButton);
        QTest::mouseClick(w->cmdistruzioni, Qt::LeftButton);
        QCOMPARE(ui::Registry::instance().forms().size(), std::size_t(2));
        QTest::mouseClick(w->lbl(42), Qt::LeftButton);
        QCOMPARE(colouredCells(w), QList<int>{42});
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(w.isNull());
        QVERIFY(ui::Registry::instance().find<frmistruzioni>()->isVisible());
    }
};

QTEST_MAIN(TestFrmcolora)
#include "test_frmcolora.moc"
