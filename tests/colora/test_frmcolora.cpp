#include "support/windows.h"
#include "ui/label.h"
#include "ui/sound.h"

#include <QTimer>

namespace {

// The cells a pupil sees coloured, by the colour of their middle pixel.
QList<int> colouredCells(QWidget *w)
{
    const QImage shot = w->grab().toImage();
    QList<int> cells;
    for (int k = 1; k <= 100; ++k)
        if (shot.pixelColor(control(w, QStringLiteral("lbl(%1)").arg(k))->geometry().center()) == QColor(0, 0, 255))
            cells << k;
    return cells;
}

// What the pupil meets after an answer: the fraction, right:wrong, the message, the
// coloured cells, and the beeps since the count given.
QString shown(QWidget *w, long long beepsBefore)
{
    const auto text = [w](const char *name) { return textOf(control(w, QLatin1String(name))); };
    return QStringLiteral("%1/%2 %3:%4 %5 cells %6 beeps %7")
        .arg(text("lblnum"), text("lblden"), text("lbles"), text("lbler"), text("lblmess"))
        .arg(colouredCells(w).size())
        .arg(ui::beepCount() - beepsBefore);
}

} // namespace

class TestFrmcolora : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { closeAll(); }

    void lineButton_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<int>>("withLine");
        QTest::newRow("row 3") << "cmdo(3)" << QList<int>{21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 55};
        QTest::newRow("column 10") << "cmdv(10)" << QList<int>{10, 20, 30, 40, 50, 55, 60, 70, 80, 90, 100};
    }

    // A right click toggles a cell as a left one does, and a double click toggles it
    // once. A line colours on the completed left click and clears on the right press,
    // before the release; cell 30 lies on both lines, cell 55 on neither.
    void lineButton()
    {
        QFETCH(QString, line);
        ui::Form *w = open(QStringLiteral("frmcolora"), {0.0f, 0.0f});
        QWidget *button = control(w, line);
        play(w, "lbl(30) R lbl(55) R lbl(77)");
        QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {},
                           control(w, QStringLiteral("lbl(77)"))->geometry().center());
        QCOMPARE(colouredCells(w), QList<int>({30, 55}));
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(colouredCells(w), QList<int>({30, 55}));
        QTest::mouseRelease(button, Qt::LeftButton);
        QTEST(colouredCells(w), "withLine");
        QTest::mousePress(button, Qt::RightButton);
        QCOMPARE(colouredCells(w), QList<int>{55});
        QTest::mouseRelease(button, Qt::RightButton);
        play(w, "cmdcanc");
        QCOMPARE(colouredCells(w), QList<int>{});
    }

    // A sitting: a wrong answer, a right one, then the instructions.
    void sitting()
    {
        // 1/10, then 37/100 after the right answer; a further draw would throw.
        QPointer<ui::Form> w = open(QStringLiteral("frmcolora"), {0.0f, 0.0f, 0.5f, 0.365f});
        auto *time = control<QTimer>(w, QStringLiteral("time"));
        const long long beeps = ui::beepCount();
        play(w, "lbl(5) cmdconferma");
        QCOMPARE(shown(w, beeps), "1/10 0:1 Attento... Riprova! cells 0 beeps 1");
        QCOMPARE(ink(w, QStringLiteral("lblmess")), QColor(255, 0, 255));

        // Each answer restarts the interval, so that its message stays the whole of it.
        QTRY_VERIFY(time->remainingTime() < 2000);
        play(w, "cmdo(7) cmdconferma");
        QVERIFY(time->remainingTime() > 2000);
        QCOMPARE(shown(w, beeps), "37/100 1:1 Giusto, complimenti! cells 0 beeps 1");
        QTRY_COMPARE_WITH_TIMEOUT(textOf(control(w, QStringLiteral("lblmess"))), QString(), 4000);

        // One instructions window however often asked for; the drill stays usable, and
        // leaving it with Esc, as with Fine, leaves the instructions open.
        play(w, "cmdistruzioni cmdistruzioni");
        QCOMPARE(ui::Registry::instance().forms().size(), std::size_t(2));
        play(w, "lbl(42)");
        QCOMPARE(colouredCells(w), QList<int>{42});
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(w.isNull());
        QVERIFY(ui::Registry::instance().find<frmistruzioni>()->isVisible());
    }
};

QTEST_MAIN(TestFrmcolora)
#include "test_frmcolora.moc"
