#include "ui/sound.h"

#include "ui/bell_player.h"

#include <QCoreApplication>
#include <QPointer>

namespace ui {

namespace {
long long beeps = 0;
}

void beep()
{
    ++beeps;
    // Made at the first wrong answer, so that start-up pays nothing for the sound.
    static QPointer<BellPlayer> player;
    if (!player)
        player = new BellPlayer(QCoreApplication::instance());
    player->ring();
}

long long beepCount()
{
    return beeps;
}

} // namespace ui
