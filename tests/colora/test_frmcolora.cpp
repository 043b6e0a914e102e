#include "app/frminizio.h"
#include "app/frmistruzioni.h"
#include "colora/frmcolora.h"
#include "support/scripted_random.h"
#include "ui/colour.h"
#include "ui/label.h"
#include "ui/picture_button.h"
#include "ui/registry.h"
#include "ui/score_panel.h"
#include "ui/sound.h"

#include <QtTest>

namespace {

const QColor freeCell = ui::vbColor(0x00FFC0C0);
const QColor colouredCell = ui::vbColor(0x00FF0000);

// The coloured cells as the pupil sees them; any third colour fails the test.
QList<int> colouredCells(const frmcolora *w)
{
    QList<int> cells;
    for (int k = 1; k <= 100; ++k) {
        const QColor c = w->lbl(k)->backColour();
        if (c == colouredCell)
            cells << k;
        else if (c != freeCell)
            cells << -k;
    }
    return cells;
}

template <class W>
int openCount()
{
    int n = 0;
    for (ui::Form *form : ui::Registry::instance().forms())
        n += qobject_cast<W *>(form) && form->isVisible();
    return n;
}

} // namespace

class TestFrmcolora : public QObject {
    Q_OBJECT

    static frmcolora *open(std::vector<float> draws)
    {
        auto *w = new frmcolora(std::make_unique<ScriptedRandom>(std::move(draws)));
        w->show();
        if (!QTest::qWaitForWindowActive(w))
            qWarning("colouring window not active");
        return w;
    }

private Q_SLOTS:
    void cleanup()
    {
        ui::Registry::instance().destroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void gridAsSeen_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("coloured cell 1") << QPoint(68, 116) << colouredCell;
        QTest::newRow("free cell 2") << QPoint(92, 116) << freeCell;
        QTest::newRow("line over the overlap of cells 1 and 2") << QPoint(80, 116) << QColor(Qt::black);
        QTest::newRow("line along the top of cell 1") << QPoint(68, 104) << QColor(Qt::black);
        QTest::newRow("bottom right corner of the grid") << QPoint(296, 344) << QColor(Qt::black);
        QTest::newRow("fraction bar") << QPoint(32, 36) << colouredCell;
    }

    void gridAsSeen()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        frmcolora *w = open({0.0f, 0.0f});
        QTest::mouseClick(w->lbl(1), Qt::LeftButton);
        QCOMPARE(w->grab().toImage().pixelColor(pixel), colour);
    }

    void cellTogglesWith_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
    }

    void cellTogglesWith()
    {
        QFETCH(Qt::MouseButton, button);
        frmcolora *w = open({0.0f, 0.0f});
        QTest::mouseClick(w->lbl(37), button);
        QCOMPARE(colouredCells(w), QList<int>{37});
        QCOMPARE(w->lblcount->text(), QStringLiteral("1"));
        QTest::mouseClick(w->lbl(37), button);
        QCOMPARE(colouredCells(w), QList<int>{});
    }

    void lineButton_data()
    {
        QTest::addColumn<bool>("row");
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("withLine");
        QTest::newRow("row 3") << true << 3 << QList<int>{21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 55};
        QTest::newRow("column 10") << false << 10 << QList<int>{10, 20, 30, 40, 50, 55, 60, 70, 80, 90, 100};
    }

    // Colours on the completed left click; clears on the right press, before release.
    void lineButton()
    {
        QFETCH(bool, row);
        QFETCH(int, index);
        QFETCH(QList<int>, withLine);
        frmcolora *w = open({0.0f, 0.0f});
        QWidget *button = row ? w->cmdo(index) : w->cmdv(index);
        QTest::mouseClick(w->lbl(55), Qt::LeftButton);

        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(colouredCells(w), QList<int>{55});
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(colouredCells(w), withLine);
        QCOMPARE(w->lblcount->text(), QStringLiteral("11"));

        QTest::mousePress(button, Qt::RightButton);
        QCOMPARE(colouredCells(w), QList<int>{55});
        QCOMPARE(w->lblcount->text(), QStringLiteral("1"));
        QTest::mouseRelease(button, Qt::RightButton);
        QCOMPARE(colouredCells(w), QList<int>{55});

        QTest::mouseClick(w->cmdcanc, Qt::LeftButton);
        QCOMPARE(colouredCells(w), QList<int>{});
        QCOMPARE(w->lblcount->text(), QStringLiteral("0"));
    }

    void judging()
    {
        // 3/10, then 37/100 after the first right answer; an unexpected draw would throw.
        frmcolora *w = open({0.0f, 0.25f, 0.5f, 0.365f, 0.0f, 0.0f});
        QCOMPARE(QApplication::focusWidget(), w->cmdcanc);
        const long long beeps = ui::beepCount();

        QTest::mouseClick(w->cmdo(1), Qt::LeftButton);
        QTest::mouseClick(w->cmdo(2), Qt::LeftButton);
        QTest::mouseClick(w->cmdconferma, Qt::LeftButton);
        QCOMPARE(w->lblmess->text(), QStringLiteral("Attento... Riprova!"));
        QCOMPARE(ui::beepCount(), beeps + 1);
        QCOMPARE(w->Frame1->lbles()->text(), QStringLiteral("0"));
        QCOMPARE(w->Frame1->lbler()->text(), QStringLiteral("1"));
        QCOMPARE(w->lblnum->text() + u'/' + w->lblden->text(), QStringLiteral("3/10"));
        QCOMPARE(colouredCells(w), QList<int>{});
        QCOMPARE(w->lblcount->text(), QStringLiteral("0"));

        for (int n = 4; n <= 6; ++n)
            QTest::mouseClick(w->cmdv(n), Qt::LeftButton);
        QTest::mouseClick(w->cmdconferma, Qt::LeftButton);
        QCOMPARE(w->lblmess->text(), QStringLiteral("Giusto, complimenti!"));
        QCOMPARE(ui::beepCount(), beeps + 1);
        QCOMPARE(w->Frame1->lbles()->text(), QStringLiteral("1"));
        QCOMPARE(w->Frame1->lbler()->text(), QStringLiteral("1"));
        QCOMPARE(w->lblnum->text() + u'/' + w->lblden->text(), QStringLiteral("37/100"));
        QCOMPARE(colouredCells(w), QList<int>{});

        // 40 cells less three make 37
        for (int n = 1; n <= 4; ++n)
            QTest::mouseClick(w->cmdo(n), Qt::LeftButton);
        for (int k : {3, 17, 40})
            QTest::mouseClick(w->lbl(k), Qt::RightButton);
        QTest::mouseClick(w->cmdconferma, Qt::LeftButton);
        QCOMPARE(w->Frame1->lbles()->text(), QStringLiteral("2"));
        QCOMPARE(w->lblnum->text() + u'/' + w->lblden->text(), QStringLiteral("1/10"));
    }

    // Every answer restarts the interval: a message shown 2 s after the first
    // stays past the tick that the first would have brought.
    void eachMessageStaysItsFullInterval()
    {
        frmcolora *w = open({0.0f, 0.0f});
        QTest::mouseClick(w->cmdconferma, Qt::LeftButton);
        QTest::qWait(2000);
        QTest::mouseClick(w->cmdconferma, Qt::LeftButton);
        QTest::qWait(1500);
        QCOMPARE(w->lblmess->text(), QStringLiteral("Attento... Riprova!"));
        QTRY_COMPARE_WITH_TIMEOUT(w->lblmess->text(), QString(), 3000);
    }

    void instructionsOutliveTheDrillAndReopeningStartsAfresh()
    {
        QPointer<frminizio> start = ui::show<frminizio>();
        QVERIFY(QTest::qWaitForWindowActive(start));
        QTest::mouseClick(start->cmdcolora, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return start.isNull(); }));
        QPointer<frmcolora> w = ui::Registry::instance().find<frmcolora>();
        QVERIFY(w && w->isVisible());

        QTest::mouseClick(w->cmdconferma, Qt::LeftButton); // an empty grid is always wrong
        QCOMPARE(w->Frame1->lbler()->text(), QStringLiteral("1"));

        QTest::mouseClick(w->cmdistruzioni, Qt::LeftButton);
        QTest::mouseClick(w->cmdistruzioni, Qt::LeftButton);
        QCOMPARE(openCount<frmistruzioni>(), 1);
        QTest::mouseClick(w->lbl(42), Qt::LeftButton); // the drill stays usable
        QCOMPARE(colouredCells(w), QList<int>{42});

        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(QTest::qWaitFor([&] { return w.isNull(); }));
        QCOMPARE(openCount<frminizio>(), 1);
        QCOMPARE(openCount<frmistruzioni>(), 1);

        start = ui::Registry::instance().find<frminizio>();
        QTest::mouseClick(start->cmdcolora, Qt::LeftButton);
        w = ui::Registry::instance().find<frmcolora>();
        QVERIFY(w);
        QCOMPARE(w->Frame1->lbler()->text(), QStringLiteral("0"));
        QCOMPARE(colouredCells(w), QList<int>{});
    }
};

QTEST_MAIN(TestFrmcolora)
#include "test_frmcolora.moc"
