#pragma once

#include "window/form.h"

// How cells, rows and columns are coloured and freed in the fraction drill.
class frmistruzioni : public ui::Form {
    Q_OBJECT
public:
    frmistruzioni();
};
