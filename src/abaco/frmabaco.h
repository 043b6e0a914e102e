#pragma once

#include "ui/form.h"

namespace ui {
class PictureButton;
}

class frmabaco : public ui::Form {
    Q_OBJECT
public:
    frmabaco();

    ui::PictureButton *cmdfine;

private:
    void cmdfine_Click();
};
