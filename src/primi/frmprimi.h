#pragma once

#include "window/form.h"

class QLineEdit;

namespace ui {
class Label;
class ListBox;
} // namespace ui

// The prime number checker: type a number, learn whether it is prime and, if not,
// which numbers divide it.
class frmprimi : public ui::Form {
    Q_OBJECT
public:
    frmprimi();

private:
    void cmd_Click();
    void cmdesci_Click();

    QLineEdit *txt;
    ui::Label *lbl;
    ui::Label *lbldiv2;
    ui::ListBox *txtdiv;
};
