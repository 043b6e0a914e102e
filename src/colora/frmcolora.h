#pragma once

#include "colora/fraction.h"
#include "colora/fraction_grid.h"
#include "drill/drill.h"

#include <array>
#include <vector>

namespace ui {
class Cell;
class Label;
} // namespace ui

// The fraction colouring drill: colour as many of the 100 cells as the fraction
// asks for, then "Conferma".
class frmcolora : public DrillOn<FractionGrid, Fraction> {
    Q_OBJECT
public:
    // Without a source of its own the window draws from a clock-seeded one.
    explicit frmcolora(std::unique_ptr<RandomSource> random = {});

private:
    static constexpr int side = FractionGrid::side;

    void cmdcanc_Click();
    void cmdistruzioni_Click();

    // The cells, the grid lines, and the row and column buttons in their Tab order.
    std::vector<QWidget *> buildGrid();
    // The arrow keys between the cells, and from the line buttons into the grid.
    void moveByKeys();
    // Every cell's colour and the count, from the grid.
    void showBoard() override;
    void showTarget() override;
    QString spokenTarget() const override;
    // What the press made of its line or cell, and how many cells are coloured in all.
    QString spokenPress(const QWidget *control) const override;

    std::array<ui::Cell *, FractionGrid::cellCount> lbl{}; // cell k is lbl[k - 1]
    std::array<ui::PushButton *, side> cmdo{}; // row n's button is cmdo[n - 1]
    std::array<ui::PushButton *, side> cmdv{}; // column n's button is cmdv[n - 1]
    ui::Label *lblnum;
    ui::Label *lblden;
    ui::Label *lblcount;
    QWidget *cmdcanc;
};
