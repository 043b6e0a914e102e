#pragma once

#include "colora/colouring_round.h"
#include "common/random_source.h"
#include "ui/form.h"

#include <array>
#include <memory>
#include <vector>

class QTimer;

namespace ui {
class Label;
class Line;
class PictureButton;
class PushButton;
class ScorePanel;
}

// The fraction colouring drill: colour as many of the 100 cells as the fraction
// asks for, then "Conferma".
class frmcolora : public ui::Form {
    Q_OBJECT
public:
    static constexpr int side = FractionGrid::side;

    // Without a source of its own the window draws from a clock-seeded one.
    explicit frmcolora(std::unique_ptr<RandomSource> random = {});

    // The controls by their index in the layout: cells 1 to 100, row and column
    // buttons 1 to 10, grid lines Line1 to Line22.
    ui::Label *lbl(int index) const { return lbl_.at(static_cast<std::size_t>(index - 1)); }
    ui::PushButton *cmdo(int index) const { return cmdo_.at(static_cast<std::size_t>(index - 1)); }
    ui::PushButton *cmdv(int index) const { return cmdv_.at(static_cast<std::size_t>(index - 1)); }
    ui::Line *gridLine(int number) const { return gridLines_.at(static_cast<std::size_t>(number - 1)); }

    ui::Label *lblnum;
    ui::Line *Line24;
    ui::Label *lblden;
    ui::Label *lblmess;
    ui::ScorePanel *Frame1;
    ui::PictureButton *cmdconferma;
    ui::PictureButton *cmdcanc;
    ui::PictureButton *cmdistruzioni;
    ui::PictureButton *cmdfine;
    QTimer *time;
    ui::Label *lblcount;
    ui::Line *Line23;
    ui::Label *Label1;

private:
    void lbl_Click(int index);
    void cmdo_Click(int index);
    void cmdo_MouseDown(int index, int button, int shift, float x, float y);
    void cmdv_Click(int index);
    void cmdv_MouseDown(int index, int button, int shift, float x, float y);
    void cmdcanc_Click();
    void cmdconferma_Click();
    void time_Timer();
    void cmdistruzioni_Click();
    void cmdfine_Click();

    void buildGrid();
    void showCells(const std::vector<int> &changed);
    void showCount();
    void showFraction();

    std::array<ui::Label *, FractionGrid::cellCount> lbl_{};
    std::array<ui::Line *, 22> gridLines_{};
    std::array<ui::PushButton *, side> cmdo_{};
    std::array<ui::PushButton *, side> cmdv_{};

    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<ColouringRound> round_; // from the load on, drawing from random_
};
