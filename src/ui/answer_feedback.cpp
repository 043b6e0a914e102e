#include "ui/answer_feedback.h"

#include "ui/label.h"
#include "ui/score_panel.h"
#include "ui/sound.h"

#include <QTimer>

namespace ui {

AnswerFeedback::AnswerFeedback(Label *message, ScorePanel *panel, const QString &timerName)
    : QObject(message->parentWidget())
    , message_(message)
    , panel_(panel)
    , timer_(new QTimer(this))
{
    timer_->setObjectName(timerName);
    timer_->setInterval(intervalMs);
    connect(timer_, &QTimer::timeout, this, &AnswerFeedback::time_Timer);
}

void AnswerFeedback::show(Verdict verdict, const Score &score)
{
    if (verdict == Verdict::Right) {
        message_->setText(QStringLiteral("Giusto, complimenti!"));
    } else {
        message_->setText(QStringLiteral("Attento... Riprova!"));
        beep();
    }
    panel_->setRight(score.rightCount());
    panel_->setWrong(score.wrongCount());
    timer_->start();
}

void AnswerFeedback::time_Timer()
{
    message_->clear();
}

} // namespace ui
