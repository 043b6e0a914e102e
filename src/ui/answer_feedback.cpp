#include "ui/answer_feedback.h"

#include "ui/label.h"
#include "ui/score_panel.h"
#include "ui/screen_reader.h"
#include "ui/sound.h"

#include <QTimer>

namespace ui {

AnswerFeedback::AnswerFeedback(Label *message, ScorePanel *panel, const QString &timerName, Beep beep)
    : QObject(message->parentWidget())
    , message_(message)
    , panel_(panel)
    , timer_(new QTimer(this))
    , beep_(beep)
    , bell_(&ui::beep)
{
    setObjectName(QStringLiteral("feedback"));
    ui::makeNotification(message);
    timer_->setObjectName(timerName);
    timer_->setInterval(intervalMs);
    connect(timer_, &QTimer::timeout, this, &AnswerFeedback::time_Timer);
}

void AnswerFeedback::show(Verdict verdict, const Score &score)
{
    const bool wrong = verdict == Verdict::Wrong;
    ui::say(message_, wrong ? QStringLiteral("Attento... Riprova!") : QStringLiteral("Giusto, complimenti!"));
    if (wrong && beep_ == Beep::BeforeCounts)
        bell_();
    panel_->setRight(score.rightCount());
    panel_->setWrong(score.wrongCount());
    if (wrong && beep_ == Beep::AfterCounts)
        bell_();
    timer_->start();
}

void AnswerFeedback::time_Timer()
{
    ui::unsay(message_);
}

} // namespace ui
