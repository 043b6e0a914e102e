#include "componi/frmcomponi.h"

#include "support/scripted_random.h"
#include "ui/label.h"
#include "ui/picture_button.h"
#include "ui/push_button.h"
#include "ui/score_panel.h"
#include "ui/sound.h"

#include <QTest>
#include <QTimer>

class TestFrmcomponi : public QObject {
    Q_OBJECT

    // Draws 1234, then 5678 after a right answer.
    static std::unique_ptr<frmcomponi> openWindow()
    {
        auto w = std::make_unique<frmcomponi>(std::make_unique<ScriptedRandom>(
            std::vector<float>{1134.5f / 9900, 5578.5f / 9900}));
        w->show();
        return w;
    }

    // Real presses split by spaces: "=" clicks "Conferma"; otherwise a kind (u t h k), then
    // a letter a press: L left, R right, M middle, C right with the left held.
    static void play(frmcomponi &w, const QString &script)
    {
        QWidget *const buttons[] = {w.cmduno, w.cmddieci, w.cmdcento, w.cmdmille, w.cmdconferma};
        for (const QString &press : script.split(u' ', Qt::SkipEmptyParts)) {
            QWidget *const button = buttons[QStringLiteral("uthk=").indexOf(press[0])];
            for (const QChar how : press.size() > 1 ? press.mid(1) : QStringLiteral("L")) {
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
    // "state": the blocks in sight by name; "=" and the value the window keeps for them,
    // which "Conferma" leaves as it was; "|", the target, the right and wrong counts, the
    // message and a "beep" for each beep since the window opened.
    void presses_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("state");
        QTest::newRow("left, left, right on Decine; middle on Centinaia")
            << "tLLR hLM" << "shph(1) shpda(1) = 110 | 1.234 0 0";
        QTest::newRow("right with the left held") << "kLC" << "imgk(1) imgk(2) = 2000 | 1.234 0 0";
        QTest::newRow("empty board") << "=" << "= | 1.234 0 1 Attento... Riprova! beep";
        QTest::newRow("right answer")
            << "kL hLL tLLL uLLLL =" << "= 1234 | 5.678 1 0 Giusto, complimenti!";
        QTest::newRow("wrong answer")
            << "kL hLL tLLL uLLL =" << "= 1233 | 1.234 0 1 Attento... Riprova! beep";
        // The wrong answer leaves nothing behind to add to the right one.
        QTest::newRow("right after wrong")
            << "kLL = kL hLL tLLL uLLLL =" << "= 1234 | 5.678 1 1 Giusto, complimenti! beep";
    }
    void presses()
    {
        QFETCH(QString, script);
        QFETCH(QString, state);
        const auto w = openWindow();
        const long long before = ui::beepCount();
        play(*w, script);
        QStringList seen;
        for (const QWidget *block : w->findChildren<QWidget *>())
            if (block->objectName().contains(u'(') && block->isVisible())
                seen << block->objectName();
        seen << "=" << w->lblr->text() << "|" << w->lblnum->text() << w->Frame1->lbles()->text()
             << w->Frame1->lbler()->text() << w->lblmess->text()
             << QStringLiteral("beep").repeated(ui::beepCount() - before);
        QCOMPARE(seen.join(u' ').simplified(), state);
    }

    // Each answer starts the message's three seconds afresh; then the message goes.
    void messageTimer()
    {
        const auto w = openWindow();
        play(*w, "=");
        QTest::qWait(1000);
        play(*w, "=");
        QVERIFY(w->time->remainingTime() > 2500);
        QTRY_COMPARE_WITH_TIMEOUT(w->lblmess->text(), QString(), 4000);
    }
};

QTEST_MAIN(TestFrmcomponi)
#include "test_frmcomponi.moc"
