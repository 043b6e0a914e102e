#pragma once

#include "ui/form.h"

namespace ui {
class PictureBox;
class PictureButton;
class PushButton;
}

// The start window: the four activities, the information window and the way out.
class frminizio : public ui::Form {
    Q_OBJECT
public:
    frminizio();

    ui::PushButton *cmdabaco;
    ui::PushButton *cmdcolora;
    ui::PushButton *cmdcomponi;
    ui::PushButton *cmdprimi;
    ui::PictureButton *cmdistruzioni;
    ui::PictureButton *cmdesci;
    ui::PictureBox *Picture1;
    ui::PictureBox *Image1;

private:
    void cmdabaco_Click();
    void cmdcolora_Click();
    void cmdcomponi_Click();
    void cmdprimi_Click();
    void cmdistruzioni_Click();
    void cmdesci_Click();
};
