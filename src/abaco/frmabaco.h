#pragma once

#include "abaco/abacus_board.h"
#include "abaco/abacus_round.h"
#include "common/random_source.h"
#include "ui/form.h"

#include <QPointF>

#include <array>
#include <memory>
#include <optional>

class QTimer;

namespace ui {
class Label;
class Line;
class PictureButton;
class PushButton;
class ScorePanel;
class Shape;
}

// The abacus drill: set the target number with beads on six rods, then "Conferma".
class frmabaco : public ui::Form {
    Q_OBJECT
public:
    using Rod = AbacusBoard::Rod;
    using Beads = std::array<ui::Shape *, AbacusBoard::beadsPerRod>;

    // Without a source of its own the window draws from a clock-seeded one.
    explicit frmabaco(std::unique_ptr<RandomSource> random = {});

    // Bead k (1 at the bottom, up to 9) of a rod: h(k), da(k), … m(k) of the layout.
    ui::Shape *bead(Rod rod, int k) const;

    ui::Label *lblmess;
    ui::Label *lbln;
    ui::Line *Line1, *Line2, *Line3, *Line4, *Line5, *Line6;
    Beads h{}, da{}, u{}, d{}, c{}, m{};
    ui::Shape *Shape2;
    ui::Line *Line7, *Line8, *Line9, *Line10;
    ui::PushButton *cmdh, *cmdda, *cmdu, *cmdd, *cmdc, *cmdm;
    ui::Label *Label4;
    ui::Label *Label1;
    ui::Label *lblnum;
    ui::ScorePanel *Frame1;
    ui::PictureButton *cmdconferma;
    ui::PictureButton *cmdfine;
    QTimer *timer;

private:
    void cmdh_Click() { addBead(Rod::Hundreds); }
    void cmdda_Click() { addBead(Rod::Tens); }
    void cmdu_Click() { addBead(Rod::Units); }
    void cmdd_Click() { addBead(Rod::Tenths); }
    void cmdc_Click() { addBead(Rod::Hundredths); }
    void cmdm_Click() { addBead(Rod::Thousandths); }
    void cmdh_MouseDown(int button, int, QPointF) { mouseDown(Rod::Hundreds, button); }
    void cmdda_MouseDown(int button, int, QPointF) { mouseDown(Rod::Tens, button); }
    void cmdu_MouseDown(int button, int, QPointF) { mouseDown(Rod::Units, button); }
    void cmdd_MouseDown(int button, int, QPointF) { mouseDown(Rod::Tenths, button); }
    void cmdc_MouseDown(int button, int, QPointF) { mouseDown(Rod::Hundredths, button); }
    void cmdm_MouseDown(int button, int, QPointF) { mouseDown(Rod::Thousandths, button); }
    void cmdconferma_Click();
    void timer_Timer();
    void cmdfine_Click();

    void addBead(Rod rod);
    void mouseDown(Rod rod, int button);
    void showValue();
    void showTarget();
    const Beads &beadsOf(Rod rod) const;

    std::unique_ptr<RandomSource> random_;
    std::optional<AbacusRound> round_; // from the load on, drawing from random_
};
