#pragma once

#include "abaco/abacus_board.h"
#include "abaco/abacus_target.h"
#include "drill/drill.h"

#include <array>

namespace ui {
class Label;
} // namespace ui

// The abacus drill: set the target number with beads on six rods, then "Conferma".
class frmabaco : public DrillOn<AbacusBoard, AbacusTarget> {
    Q_OBJECT
public:
    // Without a source of its own the window draws from a clock-seeded one.
    explicit frmabaco(std::unique_ptr<RandomSource> random = {});

private:
    using Rod = AbacusBoard::Rod;

    // Every bead and the value text, from the board.
    void showBoard() override;
    void showTarget() override;
    QString spokenTarget() const override;

    // Bead k (1 at the bottom) of a rod is beads_[rod][k - 1]: h1 … m9 of the layout.
    std::array<std::array<QWidget *, AbacusBoard::beadsPerRod>, AbacusBoard::rodCount> beads_{};
    std::array<QWidget *, AbacusBoard::rodCount> cmdasta_{}; // cmdh … cmdm by rod
    ui::Label *lbln;
    ui::Label *lblnum;
};
