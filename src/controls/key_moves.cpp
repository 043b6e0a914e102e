#include "controls/key_moves.h"

#include <QKeyEvent>
#include <QWidget>

namespace ui {

KeyMoves::KeyMoves(QObject *parent)
    : QObject(parent)
{
}

void KeyMoves::add(QWidget *from, int key, QWidget *to)
{
    // Installed again, a filter is still one.
    from->installEventFilter(this);
    moves_.insert(qMakePair(static_cast<QObject *>(from), key), to);
}

bool KeyMoves::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    // Shift+Tab comes as Backtab with Shift held; other keys move only alone.
    const Qt::KeyboardModifiers allowed =
        Qt::KeypadModifier | (key->key() == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QWidget *to = moves_.value(qMakePair(watched, key->key()));
    if (!to || (key->modifiers() & ~allowed) != Qt::NoModifier)
        return false;
    to->setFocus(Qt::TabFocusReason);
    return true;
}

} // namespace ui
