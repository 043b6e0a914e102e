#pragma once

#include "ui/form.h"

class QPushButton;

namespace ui {
class Label;
class Line;
class PictureBox;
class PushButton;
}

// The information window: name, version, date and authors, closed with OK.
class frminfo : public ui::Form {
    Q_OBJECT
public:
    frminfo();

    ui::Label *Label1;
    ui::PictureBox *Image1;
    ui::Label *Label10;
    ui::Line *Line1;
    ui::Label *Label4;
    ui::Label *Label5;
    ui::Label *Label8;
    ui::Label *Label9;
    ui::Label *Label2;
    ui::Label *Label6;
    ui::Label *Label3;
    ui::Label *Label7;
    ui::PushButton *cmdok;

private:
    void cmdok_Click();
};
