#pragma once

#include "common/score.h"

#include <QObject>

#include <functional>

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

    // Whether a wrong answer's beep sounds before the counts are written or after:
    // each drill has its own order.
    enum class Beep { BeforeCounts, AfterCounts };

    // The timer is named as the drill's layout names it.
    AnswerFeedback(Label *message, ScorePanel *panel, const QString &timerName, Beep beep);

    void show(Verdict verdict, const Score &score);

    // What sounds the beep: the system's, unless a listener is put in its place.
    void setBell(std::function<void()> bell) { bell_ = std::move(bell); }

private:
    void time_Timer();

    Label *message_;
    ScorePanel *panel_;
    QTimer *timer_;
    Beep beep_;
    std::function<void()> bell_;
};

} // namespace ui
