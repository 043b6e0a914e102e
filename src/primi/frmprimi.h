#pragma once

#include "ui/form.h"

class QLineEdit;
class QPlainTextEdit;

namespace ui {
class Label;
class PictureButton;
}

// The prime number checker: type a number, learn whether it is prime and, if not,
// which numbers divide it.
class frmprimi : public ui::Form {
    Q_OBJECT
public:
    frmprimi();

    ui::Label *Label1;
    ui::Label *Label2;
    QLineEdit *txt;
    ui::PictureButton *cmd;
    ui::PictureButton *cmdesci;
    ui::Label *lbl;
    ui::Label *lbldiv2;
    QPlainTextEdit *txtdiv;

private:
    void cmd_Click();
    void cmdesci_Click();
};
