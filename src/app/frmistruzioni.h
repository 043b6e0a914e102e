#pragma once

#include "ui/form.h"

namespace ui {
class Label;
class PushButton;
}

// How cells, rows and columns are coloured and freed in the fraction drill.
class frmistruzioni : public ui::Form {
    Q_OBJECT
public:
    frmistruzioni();

    static const QString text;

    ui::Label *Label1;
    ui::PushButton *cmdok;

private:
    void cmdok_Click();
};
