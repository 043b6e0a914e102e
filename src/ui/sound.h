#pragma once

namespace ui {

// The beep of a wrong answer: the desktop's bell sound, or the X bell where that
// cannot sound; one of the two for each call, and the window never waits for it.
// Every beep is counted, so that tests can hear it.
void beep();
long long beepCount();

} // namespace ui
