#include "abaco/frmabaco.h"

#include "support/scripted_random.h"
#include "ui/label.h"
#include "ui/picture_button.h"
#include "ui/push_button.h"
#include "ui/score_panel.h"
#include "ui/shape.h"
#include "ui/sound.h"

#include <QTest>
#include <QTimer>

class TestFrmabaco : public QObject {
    Q_OBJECT

    // First target 5,48; after a right answer, 37.
    static std::unique_ptr<frmabaco> openWindow()
    {
        auto w = std::make_unique<frmabaco>(std::make_unique<ScriptedRandom>(
            std::vector<float>{0.1f, 0.5f, 0.5f, 0.5f, 0.5f, 0.37f, 0.1f, 0.04f}));
        w->show();
        return w;
    }

    // Real presses split by spaces: "=" clicks "Conferma"; otherwise a rod (h t u d c m),
    // the button (L left, R right, M middle, C right with the left held) and a count.
    static void play(frmabaco &w, const QString &script)
    {
        QWidget *const buttons[] = {w.cmdh, w.cmdda, w.cmdu, w.cmdd, w.cmdc, w.cmdm, w.cmdconferma};
        for (const QString &press : script.split(u' ', Qt::SkipEmptyParts)) {
            QWidget *const button = buttons[QStringLiteral("htudcm=").indexOf(press[0])];
            const QChar how = press.size() > 1 ? press[1] : u'L';
            for (int i = press.size() > 2 ? press.mid(2).toInt() : 1; i > 0; --i) {
                if (how == u'C')
                    QTest::mousePress(button, Qt::LeftButton);
                QTest::mouseClick(button, how == u'L' ? Qt::LeftButton
                                      : how == u'M' ? Qt::MiddleButton : Qt::RightButton);
                if (how == u'C')
                    QTest::mouseRelease(button, Qt::LeftButton);
            }
        }
    }

private Q_SLOTS:
    // "state": the beads in sight by name, bottom first; "=" and the value the window
    // keeps for them; "|", the target, the right and wrong counts, the message and a
    // "beep" for each beep since the window opened.
    void presses_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("state");
        QTest::newRow("a right press takes the top bead") << "uL3 uR" << "u1 u2 = 2 | 5,48 0 0";
        QTest::newRow("the middle button never removes") << "uL2 uM" << "u1 u2 = 2 | 5,48 0 0";
        QTest::newRow("right with the left held") << "uL2 uC" << "u1 u2 u3 = 3 | 5,48 0 0";
        QTest::newRow("right answer") << "uL6 uR dL4 cL8 =" << "= 0 | 37 1 0 Giusto, complimenti!";
        QTest::newRow("wrong answer") << "uL5 dL4 cL8 mL =" << "= 0 | 5,48 0 1 Attento... Riprova! beep";
        QTest::newRow("empty board") << "=" << "= 0 | 5,48 0 1 Attento... Riprova! beep";
    }
    void presses()
    {
        QFETCH(QString, script);
        QFETCH(QString, state);
        const auto w = openWindow();
        const long long before = ui::beepCount();
        play(*w, script);
        QStringList seen;
        for (const ui::Shape *shape : w->findChildren<ui::Shape *>())
            if (shape != w->Shape2 && shape->isVisible())
                seen << shape->objectName();
        seen << "=" << w->lblnum->text() << "|" << w->lbln->text() << w->Frame1->lbles()->text()
             << w->Frame1->lbler()->text() << w->lblmess->text()
             << QStringLiteral("beep").repeated(ui::beepCount() - before);
        QCOMPARE(seen.join(u' ').trimmed(), state);
    }

    // Each answer starts the message's three seconds afresh; then the message goes.
    void messageTimer()
    {
        const auto w = openWindow();
        play(*w, "=");
        QTest::qWait(1000);
        play(*w, "=");
        QVERIFY(w->timer->remainingTime() > 2500);
        QTRY_COMPARE_WITH_TIMEOUT(w->lblmess->text(), QString(), 4000);
    }
};

QTEST_MAIN(TestFrmabaco)
#include "test_frmabaco.moc"
