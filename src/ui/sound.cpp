#include "ui/sound.h"

#include <QApplication>

namespace ui {

namespace {
long long beeps = 0;
}

void beep()
{
    ++beeps;
    QApplication::beep();
}

long long beepCount()
{
    return beeps;
}

} // namespace ui
