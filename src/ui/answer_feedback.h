#pragma once

#include "common/score.h"

#include <QObject>

class QTimer;

namespace ui {

class Label;
class ScorePanel;

// What the three drills do with a judged answer: the message, a beep for a wrong one,
// the counts in the score panel, and the timer that empties the message. The timer
// starts afresh at every answer, so that each message stays its full interval.
class AnswerFeedback : public QObject {
    Q_OBJECT
public:
    static constexpr int intervalMs = 3000;

    // The timer is named as the drill's layout names it.
    AnswerFeedback(Label *message, ScorePanel *panel, const QString &timerName);

    void show(Verdict verdict, const Score &score);

private:
    void time_Timer();

    Label *message_;
    ScorePanel *panel_;
    QTimer *timer_;
};

} // namespace ui
