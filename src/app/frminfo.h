#pragma once

#include "window/form.h"

// The information window: name, version, date and authors, closed with OK.
class frminfo : public ui::Form {
    Q_OBJECT
public:
    frminfo();
};
