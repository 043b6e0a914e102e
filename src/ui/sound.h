#pragma once

namespace ui {

// The system beep. Every beep is counted, so that tests can hear it.
void beep();
long long beepCount();

} // namespace ui
