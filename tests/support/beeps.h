#pragma once

#include "desktop/bell_player.h"
#include "desktop/sound.h"

#include <QObject>

#include <functional>

// The beeps rung while this lives.
class Beeps : public QObject {
public:
    Beeps() { connect(&ui::bell(), &ui::BellPlayer::rung, this, [this] { ++count, atBeep ? atBeep() : void(); }); }

    int count = 0;
    std::function<void()> atBeep; // run as each beep rings
};
