#include "desktop/sound.h"

#include "desktop/bell_player.h"

#include <QCoreApplication>
#include <QPointer>

namespace ui {

void beep()
{
    bell().ring();
}

BellPlayer &bell()
{
    static QPointer<BellPlayer> player;
    if (!player)
        player = new BellPlayer(QCoreApplication::instance());
    return *player;
}

} // namespace ui
