#include "controls/cell.h"

#include "desktop/press_and_hold.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace ui {

namespace {
// The cell that took the last press. Qt makes a quick second press within a few
// pixels of the first a double click wherever it lands, so a click on the edge of
// one cell and then on the edge of the next one comes to the second as a double click.
QPointer<Cell> lastPressed;
} // namespace

Cell::Cell(QWidget *parent, const QRect &geometryPixels)
    : Label(parent, QString(), geometryPixels)
    , hold_(new PressAndHold(this))
{
    setFocusPolicy(Qt::NoFocus);
    connect(hold_, &PressAndHold::held, this, &Cell::clicked);
}

void Cell::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button();
    lastPressed = this;
    hold_->press(event);
    Label::mousePressEvent(event);
}

void Cell::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A tap is never half of a double click: two taps on a cell toggle it twice.
    if (PressAndHold::byTouchOrPen(event) || lastPressed != this) {
        mousePressEvent(event);
        return;
    }
    // The second press of a double click on this cell: not passed on as a press (Qt's
    // default would), so that its release completes no second click.
    pressed_ = Qt::NoButton;
    event->accept();
}

void Cell::mouseMoveEvent(QMouseEvent *event)
{
    hold_->move(event);
    Label::mouseMoveEvent(event);
}

void Cell::mouseReleaseEvent(QMouseEvent *event)
{
    // A hold has already clicked, at the end of its interval.
    const bool held = hold_->release();
    const bool completes = !held && event->button() == pressed_ && rect().contains(event->position().toPoint())
        && (pressed_ == Qt::LeftButton || pressed_ == Qt::RightButton);
    pressed_ = Qt::NoButton;
    if (completes)
        Q_EMIT clicked();
    Label::mouseReleaseEvent(event);
}

void Cell::keyPressEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat() || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        Label::keyPressEvent(event);
    } else if (event->key() == Qt::Key_Space) {
        Q_EMIT clicked();
    } else if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        Q_EMIT clearAsked();
    } else {
        Label::keyPressEvent(event);
    }
}

void Cell::focusInEvent(QFocusEvent *event)
{
    update();
    Label::focusInEvent(event);
}

void Cell::focusOutEvent(QFocusEvent *event)
{
    update();
    Label::focusOutEvent(event);
}

void Cell::paintEvent(QPaintEvent *event)
{
    Label::paintEvent(event);
    if (!hasFocus())
        return;
    // White and black pixels in turn, inside the grid lines: seen on a free cell and on
    // a coloured one alike.
    QPainter p(this);
    const QRect frame = rect().adjusted(3, 3, -4, -4);
    p.setPen(Qt::white);
    p.drawRect(frame);
    QPen dots(Qt::black, 0, Qt::CustomDashLine);
    dots.setDashPattern({1, 1});
    p.setPen(dots);
    p.drawRect(frame);
}

} // namespace ui
