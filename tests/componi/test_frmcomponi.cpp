#include "componi/frmcomponi.h"

#include "support/scripted_random.h"
#include "ui/colour.h"
#include "ui/label.h"
#include "ui/picture_button.h"
#include "ui/registry.h"
#include "ui/score_panel.h"
#include "ui/sound.h"
#include "ui/twips.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace {

float drawFor(int number)
{
    return (number - 100 + 0.5f) / 9900;
}

frmcomponi *openWindow(std::vector<float> draws)
{
    auto *w = new frmcomponi(std::make_unique<ScriptedRandom>(std::move(draws)));
    w->show();
    if (!QTest::qWaitForWindowExposed(w))
        qFatal("frmcomponi was not exposed");
    return w;
}

// Presses separated by spaces: "ok" clicks "Conferma"; otherwise a kind (u t h k), how
// (L left, R right, M middle, S shift-left, C ctrl-left, K space bar) and a repeat count.
void play(frmcomponi *w, const QString &script)
{
    for (const QString &press : script.split(u' ', Qt::SkipEmptyParts)) {
        if (press == u"ok") {
            QTest::mouseClick(w->cmdconferma, Qt::LeftButton);
            continue;
        }
        QPushButton *button = press[0] == u'u' ? w->cmduno
            : press[0] == u't'                 ? w->cmddieci
            : press[0] == u'h'                 ? w->cmdcento
                                               : w->cmdmille;
        const char how = press[1].toLatin1();
        for (int i = press.size() > 2 ? press.mid(2).toInt() : 1; i > 0; --i) {
            if (how == 'K')
                QTest::keyClick(button, Qt::Key_Space);
            else
                QTest::mouseClick(button,
                                  how == 'R' ? Qt::RightButton
                                      : how == 'M' ? Qt::MiddleButton : Qt::LeftButton,
                                  how == 'S' ? Qt::ShiftModifier
                                      : how == 'C' ? Qt::ControlModifier : Qt::NoModifier);
        }
    }
}

// The blocks shown of each kind, units first; -1 where the shown ones do not run
// unbroken from slot 1.
QList<int> shownCounts(frmcomponi *w)
{
    QList<int> counts;
    for (const char *name : {"shpu", "shpda", "shph", "imgk"}) {
        QString pattern;
        for (int i = 1; i <= 9; ++i)
            pattern += w->findChild<QWidget *>(QStringLiteral("%1(%2)").arg(name).arg(i))->isVisible()
                ? u'1' : u'0';
        const int count = int(pattern.indexOf(u'0') < 0 ? 9 : pattern.indexOf(u'0'));
        counts << (pattern.indexOf(u'1', count) < 0 ? count : -1);
    }
    return counts;
}

} // namespace

class TestFrmcomponi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { ui::Registry::instance().destroyAll(); }
    void layout_data();
    void layout();
    void presses_data();
    void presses();
    void drawing();
    void judging_data();
    void judging();
    void messageStaysItsFullTime();
};

void TestFrmcomponi::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::newRow("shpu(9)") << "shpu(9)" << QRect(3360, 5760, 135, 135) << "";
    QTest::newRow("shph(9)") << "shph(9)" << QRect(4080, 2160, 1335, 1335) << "";
    QTest::newRow("imgk(8)") << "imgk(8)" << QRect(720, 3840, 1725, 1725) << "";
    QTest::newRow("cmduno") << "cmduno" << QRect(7440, 1800, 1335, 495) << "Unità";
    QTest::newRow("Label1") << "Label1" << QRect(5880, 2400, 2895, 615)
                            << "Clic sinistro per aggiungere, clic destro per togliere";
    QTest::newRow("lblnum") << "lblnum" << QRect(6600, 240, 1455, 495) << "4.506";
    QTest::newRow("cmdfine") << "cmdfine" << QRect(8160, 5520, 615, 615) << "Fine";
}

void TestFrmcomponi::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    frmcomponi *w = openWindow({drawFor(4506)});

    auto *control = w->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), ui::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QPushButton *>(control))
        QCOMPARE(button->text().isEmpty() ? button->toolTip() : button->text(), text);

    QCOMPARE(shownCounts(w), (QList<int>{0, 0, 0, 0}));
}

void TestFrmcomponi::presses_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<QString>("lblr");
    QTest::newRow("left, left, right on Decine") << "tL tL tR" << QList<int>{0, 1, 0, 0} << "10";
    QTest::newRow("tenth unit") << "uL10" << QList<int>{9, 0, 0, 0} << "9";
    QTest::newRow("right on empty Migliaia") << "kR" << QList<int>{0, 0, 0, 0} << "0";
    QTest::newRow("middle changes nothing") << "hL hM" << QList<int>{0, 0, 1, 0} << "100";
    QTest::newRow("a middle press rewrites lblr") << "hL ok hM" << QList<int>{0, 0, 0, 0} << "0";
    QTest::newRow("three hundreds, two units") << "hL3 uL2" << QList<int>{2, 0, 3, 0} << "302";
    QTest::newRow("shift and ctrl do not matter") << "kS kC kR" << QList<int>{0, 0, 0, 1} << "1000";
    QTest::newRow("space bar adds") << "tK tK" << QList<int>{0, 2, 0, 0} << "20";
    QTest::newRow("nine of every kind") << "kL9 hL9 tL9 uL9" << QList<int>{9, 9, 9, 9} << "9999";
}

void TestFrmcomponi::presses()
{
    QFETCH(QString, script);
    QFETCH(QList<int>, shown);
    QFETCH(QString, lblr);
    frmcomponi *w = openWindow({drawFor(100), drawFor(100)});
    const long long beeps = ui::beepCount();

    play(w, script);
    QCOMPARE(shownCounts(w), shown);
    QCOMPARE(w->lblr->text(), lblr);
    QVERIFY(!w->lblr->isVisible());
    QCOMPARE(ui::beepCount(), beeps);
}

void TestFrmcomponi::drawing()
{
    frmcomponi *w = openWindow({0.0f});
    play(w, "kL2 hL2 tL uL");
    const QImage image = w->grab().toImage();
    const auto at = [&image](int x, int y) { return image.pixelColor(ui::point(x, y)); };
    const QColor back = ui::vbColor(0x0080C0FF);
    const QColor black(Qt::black);

    QCOMPARE(at(3427, 3907), black);                   // unit 1
    QCOMPARE(at(4747, 3907), ui::vbColor(0x000000FF)); // ten 1
    QCOMPARE(at(4747, 4147), back);                    // ten 2, not laid
    QCOMPARE(at(3500, 400), ui::vbColor(0x0000C000));  // hundred 1, clear of hundred 2
    QCOMPARE(at(3240, 480), black);                    // hundred 2's corner lies over hundred 1
    // The second cube's darker left face lies over the pale front face of the first.
    QVERIFY2(at(870, 1320).red() < 140 && at(870, 1320).blue() > 200,
             qPrintable(at(870, 1320).name()));
    QCOMPARE(at(1500, 3400), back); // cube 4, not laid
    for (const QPoint &onLine : {QPoint(2000, 120), QPoint(5640, 5000), QPoint(1000, 6120),
                                 QPoint(120, 3000), QPoint(3000, 5000), QPoint(5000, 3600),
                                 QPoint(3840, 5000)})
        QCOMPARE(at(onLine.x(), onLine.y()), black);
}

void TestFrmcomponi::judging_data()
{
    // The window draws 1234, then 5678.
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("scores");
    QTest::addColumn<QString>("lblnum");
    QTest::addColumn<int>("beeps");
    const QString right = QStringLiteral("Giusto, complimenti!");
    const QString wrong = QStringLiteral("Attento... Riprova!");
    QTest::newRow("empty board") << "ok" << wrong << "0 1" << "1.234" << 1;
    QTest::newRow("empty board twice") << "ok ok" << wrong << "0 2" << "1.234" << 2;
    QTest::newRow("right") << "kL hL2 tL3 uL4 ok" << right << "1 0" << "5.678" << 0;
    QTest::newRow("one unit short") << "kL hL2 tL3 uL3 ok" << wrong << "0 1" << "1.234" << 1;
    QTest::newRow("a wrong answer wipes the board")
        << "kL hL2 tL3 uL3 ok uL ok" << wrong << "0 2" << "1.234" << 2;
    QTest::newRow("right after wrong") << "kL2 ok kL hL2 tL3 uL4 ok" << right << "1 1" << "5.678" << 1;
    QTest::newRow("the old number after a right answer")
        << "kL hL2 tL3 uL4 ok kL hL2 tL3 uL4 ok" << wrong << "1 1" << "5.678" << 1;
}

void TestFrmcomponi::judging()
{
    QFETCH(QString, script);
    QFETCH(QString, message);
    QFETCH(QString, scores);
    QFETCH(QString, lblnum);
    QFETCH(int, beeps);
    frmcomponi *w = openWindow({drawFor(1234), drawFor(5678)});
    QCOMPARE(w->lblnum->text(), QStringLiteral("1.234"));
    const long long before = ui::beepCount();

    play(w, script);
    QCOMPARE(w->lblmess->text(), message);
    QCOMPARE(w->Frame1->lbles()->text() + u' ' + w->Frame1->lbler()->text(), scores);
    QCOMPARE(w->lblnum->text(), lblnum);
    QCOMPARE(ui::beepCount() - before, beeps);
    QCOMPARE(shownCounts(w), (QList<int>{0, 0, 0, 0}));
}

void TestFrmcomponi::messageStaysItsFullTime()
{
    frmcomponi *w = openWindow({0.0f});
    play(w, "ok");
    QTest::qWait(1000);
    play(w, "ok");
    QElapsedTimer since;
    since.start();
    // The second answer starts the three seconds afresh, so the end of the first
    // period, two seconds from now, leaves the message alone.
    QTest::qWait(2300);
    QCOMPARE(w->lblmess->text(), QStringLiteral("Attento... Riprova!"));
    QTRY_COMPARE_WITH_TIMEOUT(w->lblmess->text(), QString(), 2000);
    QVERIFY2(since.elapsed() >= 2900, qPrintable(QString::number(since.elapsed())));
}

QTEST_MAIN(TestFrmcomponi)
#include "test_frmcomponi.moc"
