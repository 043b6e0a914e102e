#pragma once

#include "common/random_source.h"
#include "common/round.h"
#include "window/form.h"

#include <QFont>

#include <memory>

class QTimer;

namespace ui {
class Label;
class PictureButton;
class ScorePanel;
} // namespace ui

// What every drill has besides its board: the random source, the feedback message and
// the timer that empties it, the "Risposte" panel, "Conferma" and "Fine" (Esc), and the
// beep of a wrong answer. A drill adds its board and says how to show its round:
// showTarget() and showBoard(), called by its constructor and after every answer.
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

    Round<Board, Target> round_;

private:
    Verdict confirm() final { return round_.confirm(); }
    const Score &score() const final { return round_.score(); }
};
