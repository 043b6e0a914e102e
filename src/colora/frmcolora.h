#pragma once

#include "ui/form.h"

namespace ui {
class PictureButton;
}

class frmcolora : public ui::Form {
    Q_OBJECT
public:
    frmcolora();

    ui::PictureButton *cmdfine;

private:
    void cmdfine_Click();
};
