#include "window/command_keys.h"

#include "desktop/x11.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace ui {

CommandKeys &CommandKeys::instance()
{
    static CommandKeys keys;
    return keys;
}

CommandKeys::CommandKeys()
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool CommandKeys::mayAct(const QKeyEvent *press)
{
    const quint32 code = press->nativeScanCode() % 256;
    if (press->isAutoRepeat() || actedWhileDown_.test(code))
        return false;
    actedWhileDown_.set(code);
    return true;
}

void CommandKeys::forgetReleased()
{
    if (const auto down = x11::keysDown())
        actedWhileDown_ &= *down;
}

bool CommandKeys::eventFilter(QObject *, QEvent *event)
{
    // A held key repeats as releases and presses: it is up when the display says so.
    if (event->type() != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const quint32 code = key->nativeScanCode() % 256;
    if (key->isAutoRepeat() || !actedWhileDown_.test(code))
        return false;
    const auto down = x11::keysDown();
    if (!(down && down->test(code)))
        actedWhileDown_.reset(code);
    return false;
}

} // namespace ui
