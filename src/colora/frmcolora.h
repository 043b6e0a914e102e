#pragma once

#include "colora/colouring_round.h"
#include "common/random_source.h"
#include "ui/form.h"

#include <QPointF>

#include <array>
#include <memory>
#include <vector>

namespace ui {
class AnswerFeedback;
class Label;
class ScorePanel;
} // namespace ui

// The fraction colouring drill: colour as many of the 100 cells as the fraction
// asks for, then "Conferma".
class frmcolora : public ui::Form {
    Q_OBJECT
public:
    // Without a source of its own the window draws from a clock-seeded one.
    explicit frmcolora(std::unique_ptr<RandomSource> random = {});

private:
    static constexpr int side = FractionGrid::side;

    void lbl_Click(int index);
    void cmdo_Click(int index);
    void cmdo_MouseDown(int index, int button, int shift, QPointF twips);
    void cmdv_Click(int index);
    void cmdv_MouseDown(int index, int button, int shift, QPointF twips);
    void cmdcanc_Click();
    void cmdconferma_Click();
    void cmdistruzioni_Click();
    void cmdfine_Click();

    void buildGrid();
    void showCells(const std::vector<int> &changed);
    void showCount();
    void showFraction();

    std::array<ui::Label *, FractionGrid::cellCount> lbl_{}; // cell k is lbl_[k - 1]
    ui::Label *lblnum;
    ui::Label *lblden;
    ui::Label *lblmess;
    ui::Label *lblcount;
    ui::ScorePanel *Frame1;
    ui::AnswerFeedback *feedback_;

    std::unique_ptr<RandomSource> random_;
    ColouringRound round_; // drawing from random_, so declared after it
};
