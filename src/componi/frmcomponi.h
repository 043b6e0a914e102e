#pragma once

#include "ui/form.h"

namespace ui {
class PictureButton;
}

class frmcomponi : public ui::Form {
    Q_OBJECT
public:
    frmcomponi();

    ui::PictureButton *cmdfine;

private:
    void cmdfine_Click();
};
