#pragma once

namespace ui {

class BellPlayer;

// The beep of a wrong answer: the desktop's bell sound, or the X bell where that
// cannot sound; one of the two for each call, and the window never waits for it.
void beep();

// What sounds the beeps, made at the first call, so that start-up pays nothing for
// the sound. It says when it rings.
BellPlayer &bell();

} // namespace ui
