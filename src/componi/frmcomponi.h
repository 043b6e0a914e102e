#pragma once

#include "common/random_source.h"
#include "componi/block_board.h"
#include "componi/composition_round.h"
#include "ui/form.h"

#include <QPointF>

#include <array>
#include <memory>

class QTimer;

namespace ui {
class Label;
class Line;
class PictureBox;
class PictureButton;
class PushButton;
class ScorePanel;
class Shape;
} // namespace ui

// "Componi il numero": the pupil lays base-ten blocks until they make the number shown.
class frmcomponi : public ui::Form {
    Q_OBJECT
public:
    // Without a source, the window seeds one from the clock.
    explicit frmcomponi(std::unique_ptr<RandomSource> random = {});

    // The block arrays, by the layout's index 1 to 9.
    ui::Shape *shpu(int index) const { return shpu_.at(index - 1); }
    ui::Shape *shpda(int index) const { return shpda_.at(index - 1); }
    ui::Shape *shph(int index) const { return shph_.at(index - 1); }
    ui::PictureBox *imgk(int index) const { return imgk_.at(index - 1); }

    ui::Line *l1 = nullptr;
    ui::Line *l2 = nullptr;
    ui::Line *l3 = nullptr;
    ui::Line *l4 = nullptr;
    ui::Line *l5 = nullptr;
    ui::Line *l6 = nullptr;
    ui::Line *l7 = nullptr;

    ui::PushButton *cmdmille = nullptr;
    ui::PushButton *cmdcento = nullptr;
    ui::PushButton *cmddieci = nullptr;
    ui::PushButton *cmduno = nullptr;
    ui::Label *Label1 = nullptr;
    ui::Label *lblr = nullptr;

    ui::Label *lblnum = nullptr;
    ui::ScorePanel *Frame1 = nullptr;
    ui::Label *lblmess = nullptr;
    ui::PictureButton *cmdconferma = nullptr;
    ui::PictureButton *cmdfine = nullptr;
    QTimer *time = nullptr;

private:
    void buildBoard();
    void buildRound();

    void cmduno_Click();
    void cmduno_MouseDown(int button, int shift, QPointF twips);
    void cmddieci_Click();
    void cmddieci_MouseDown(int button, int shift, QPointF twips);
    void cmdcento_Click();
    void cmdcento_MouseDown(int button, int shift, QPointF twips);
    void cmdmille_Click();
    void cmdmille_MouseDown(int button, int shift, QPointF twips);
    void cmdconferma_Click();
    void time_Timer();
    void cmdfine_Click();

    void addBlock(BlockKind kind);
    void blockMouseDown(BlockKind kind, int button);
    QWidget *block(BlockKind kind, int slot) const;
    void showBuiltValue();

    std::array<ui::Shape *, BlockBoard::slots> shpu_{};
    std::array<ui::Shape *, BlockBoard::slots> shpda_{};
    std::array<ui::Shape *, BlockBoard::slots> shph_{};
    std::array<ui::PictureBox *, BlockBoard::slots> imgk_{};

    BlockBoard board_;
    std::unique_ptr<RandomSource> random_;
    // Draws from random_, so it is declared after it and destroyed before it.
    std::unique_ptr<CompositionRound> round_;
};
