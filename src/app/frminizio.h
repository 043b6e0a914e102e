#pragma once

#include "window/form.h"

// The start window: the four activities, the information window and the way out.
class frminizio : public ui::Form {
    Q_OBJECT
public:
    frminizio();

private:
    void cmdabaco_Click();
    void cmdcolora_Click();
    void cmdcomponi_Click();
    void cmdprimi_Click();
    void cmdistruzioni_Click();
    void cmdesci_Click();
};
