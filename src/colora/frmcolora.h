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

    // The cells, the grid lines, and the row and column buttons in their Tab order.
    std::vector<QWidget *> buildGrid();
    // Every cell's colour and the count, from the grid.
    void showBoard();
    void showTarget();

    std::array<ui::Label *, FractionGrid::cellCount> lbl{}; // cell k is lbl[k - 1]
    std::array<QWidget *, side> cmdo{}; // row n's button is cmdo[n - 1]
    std::array<QWidget *, side> cmdv{}; // column n's button is cmdv[n - 1]
    ui::Label *lblnum;
    ui::Label *lblden;
    ui::Label *lblcount;
    ui::AnswerFeedback *feedback_;

    std::unique_ptr<RandomSource> random_;
    ColouringRound round_; // drawing from random_, so declared after it
};
