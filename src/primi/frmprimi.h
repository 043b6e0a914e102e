#pragma once

#include "ui/form.h"

namespace ui {
class PictureButton;
}

class frmprimi : public ui::Form {
    Q_OBJECT
public:
    frmprimi();

    ui::PictureButton *cmdesci;

private:
    void cmdesci_Click();
};
