#include "drill/drill.h"

#include "common/clock_random.h"
#include "controls/label.h"
#include "controls/picture_button.h"
#include "controls/score_panel.h"
#include "desktop/screen_reader.h"
#include "desktop/sound.h"
#include "window/registry.h"
#include "window/twips.h"

#include <QTimer>

Drill::Drill(const Layout &layout, std::unique_ptr<RandomSource> random)
    : ui::Form(layout.caption, layout.clientTwips.width(), layout.clientTwips.height(), layout.back)
    , random_(random ? std::move(random) : std::make_unique<ClockRandom>())
    , beep_(layout.beep)
{
    centre(layout.centre);

    lblmess = new ui::Label(this, QString(), ui::rect(layout.messageTwips), Qt::AlignHCenter);
    lblmess->setObjectName(QStringLiteral("lblmess"));
    lblmess->setTextColour(layout.messageInk);
    lblmess->setFont(layout.messageFont);

    Frame1 = new ui::ScorePanel(this, layout.panelTwips.x(), layout.panelTwips.y(), layout.back,
                                layout.rightCaptionName, layout.wrongCaptionName);

    const auto pictureButton = [&](const char *name, const QString &picture, const QString &tip, QPoint at,
                                   void (Drill::*handler)()) {
        auto *button = new ui::PictureButton(this, picture, tip, layout.buttonFace);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(ui::rect(at.x(), at.y(), 615, 615));
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    cmdconferma = pictureButton("cmdconferma", QStringLiteral(":/conferma.svg"), QStringLiteral("Conferma"),
                                layout.confermaTwips, &Drill::cmdconferma_Click);
    cmdfine = pictureButton("cmdfine", layout.finePicture, QStringLiteral("Fine"), layout.fineTwips,
                            &Drill::cmdfine_Click);
    setCancelButton(cmdfine);

    time = new QTimer(this);
    time->setObjectName(layout.timerName);
    time->setInterval(messageMs);
    connect(time, &QTimer::timeout, this, &Drill::time_Timer);
}

void Drill::cmdconferma_Click()
{
    const Verdict verdict = confirm();
    const bool wrong = verdict == Verdict::Wrong;
    lblmess->setText(wrong ? QStringLiteral("Attento... Riprova!") : QStringLiteral("Giusto, complimenti!"));
    if (wrong && beep_ == Beep::BeforeCounts)
        ui::beep();
    Frame1->setRight(score().rightCount());
    Frame1->setWrong(score().wrongCount());
    if (wrong && beep_ == Beep::AfterCounts)
        ui::beep();
    // Started afresh at every answer, so that each message stays its full interval.
    time->start();
    showRound();
    // The target with the verdict: the same again after a wrong answer, the next one
    // after a right answer.
    ui::announce(this, lblmess->text() + (wrong ? QStringLiteral(" Ancora ") : QStringLiteral(" Ora "))
                     + spokenTarget() + u'.');
}

void Drill::cmdfine_Click()
{
    ui::backToStart(this);
}

void Drill::time_Timer()
{
    lblmess->clear();
}

void Drill::showRound()
{
    showTarget();
    ui::describe(this, spokenTarget());
    showBoard();
}

void Drill::answerPress(const QWidget *control, bool changed)
{
    if (changed)
        showBoard();
    const QString said = spokenPress(control);
    if (!said.isEmpty())
        ui::announce(this, said);
}

QString Drill::spokenPress(const QWidget *control) const
{
    return control->hasFocus() ? control->accessibleName() + QStringLiteral(", ") + control->accessibleDescription()
                               : QString();
}

void Drill::showStack(QWidget *button, std::span<QWidget *const> pieces, int count, const QString &one,
                      const QString &many)
{
    for (std::size_t i = 0; i < pieces.size(); ++i)
        pieces[i]->setVisible(int(i) < count);
    ui::describe(button, ui::howMany(count, one, many));
}
