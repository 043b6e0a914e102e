#pragma once

#include "componi/block_board.h"
#include "componi/number_target.h"
#include "drill/drill.h"

#include <array>

namespace ui {
class Label;
} // namespace ui

// "Componi il numero": the pupil lays base-ten blocks until they make the number shown.
class frmcomponi : public DrillOn<BlockBoard, NumberTarget> {
    Q_OBJECT
public:
    // Without a source of its own the window draws from a clock-seeded one.
    explicit frmcomponi(std::unique_ptr<RandomSource> random = {});

private:
    // The frame lines, the blocks and the block buttons, which it gives by kind.
    std::array<QWidget *, 4> buildBoard();
    // Every block and the built value, from the board.
    void showBoard() override;
    void showTarget() override;
    QString spokenTarget() const override;

    // Slot k (1 to 9) of a kind is blocks_[kind][k - 1]: shpu, shpda, shph and imgk of the layout.
    std::array<std::array<QWidget *, BlockBoard::slots>, 4> blocks_{};
    std::array<QWidget *, 4> cmdblocco_{}; // cmduno … cmdmille by kind
    ui::Label *lblr;
    ui::Label *lblnum;
};
