#pragma once

#include "common/random_source.h"
#include "common/round.h"
#include "controls/push_button.h"
#include "window/form.h"

#include <QFont>

#include <memory>
#include <span>

class QTimer;

namespace ui {
class Label;
class PictureButton;
class ScorePanel;
} // namespace ui

// What every drill has besides its board: the random source, the feedback message and
// the timer that empties it, the "Risposte" panel, "Conferma" and "Fine" (Esc), the
// beep of a wrong answer, and what a screen reader hears of it all. A drill adds its
// board, wires its buttons, and says how to show its round: showTarget() and
// showBoard(), which its constructor and every answer call through showRound().
class Drill : public ui::Form {
    Q_OBJECT
public:
    static constexpr int messageMs = 3000;

    // Whether a wrong answer's beep sounds before the counts are written or after.
    enum class Beep { BeforeCounts, AfterCounts };

    // Where a drill puts what every drill has, in twips as its layout gives them.
    struct Layout {
        QString caption;
        QSize clientTwips;
        QColor back;
        ui::CentreOrder centre;
        QRect messageTwips;
        QFont messageFont;
        QColor messageInk;
        QPoint panelTwips;
        QColor buttonFace;
        QPoint confermaTwips;
        QPoint fineTwips;
        QString finePicture;
        QString timerName;
        Beep beep;
        QString rightCaptionName = QStringLiteral("Label2");
        QString wrongCaptionName = QStringLiteral("Label3");
    };

protected:
    Drill(const Layout &layout, std::unique_ptr<RandomSource> random);

    RandomSource &random() { return *random_; }

    virtual Verdict confirm() = 0;
    virtual const Score &score() const = 0;
    virtual void showTarget() = 0;
    virtual void showBoard() = 0;
    // The target as one says it: "37,4", "320 millesimi".
    virtual QString spokenTarget() const = 0;
    // What a screen reader says after a press on a control of the board: by default,
    // where the press gave it the focus, the control's name and what it now holds.
    virtual QString spokenPress(const QWidget *control) const;

    // The target, what a screen reader reads after the window's title, and the board.
    void showRound();
    // After a press on a control of the board, whether or not it changed anything: the
    // board shown afresh, and what it has become said, so that no key goes unanswered.
    void answerPress(const QWidget *control, bool changed);
    // The first `count` pieces of a stack (the beads of a rod, the blocks of a kind)
    // shown and the others hidden; the button that stacks them holds as many.
    void showStack(QWidget *button, std::span<QWidget *const> pieces, int count, const QString &one,
                   const QString &many);

    ui::PictureButton *cmdconferma;
    ui::PictureButton *cmdfine;

private:
    void cmdconferma_Click();
    void cmdfine_Click();
    void time_Timer();

    std::unique_ptr<RandomSource> random_;
    ui::Label *lblmess;
    ui::ScorePanel *Frame1;
    QTimer *time;
    Beep beep_;
};

// A drill played on a Board towards a Target (see Round).
template <class Board, class Target>
class DrillOn : public Drill {
protected:
    DrillOn(const Layout &layout, std::unique_ptr<RandomSource> random)
        : Drill(layout, std::move(random))
        , round_(Drill::random())
    {
    }

    // A button of the board: a click asks for `add`, the right button alone (or Delete,
    // or a touch held) for `remove`, each on the thing numbered `index`.
    template <class Index>
    void wire(ui::PushButton *button, Index index, bool (Board::*add)(Index), bool (Board::*remove)(Index))
    {
        button->enablePressAndHold();
        connect(button, &QPushButton::clicked, this,
                [=, this] { answerPress(button, (round_.board().*add)(index)); });
        connect(button, &ui::PushButton::mouseDown, this, [=, this](Qt::MouseButtons buttons) {
            // With another button held too, a right press is not a removal.
            if (buttons == Qt::RightButton)
                answerPress(button, (round_.board().*remove)(index));
        });
    }

    Round<Board, Target> round_;

private:
    Verdict confirm() final { return round_.confirm(); }
    const Score &score() const final { return round_.score(); }
};
