#include "desktop/press_and_hold.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QStyleHints>
#include <QWidget>

namespace ui {

PressAndHold::PressAndHold(QWidget *control)
    : QObject(control)
    , control_(control)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        taken_ = true;
        Q_EMIT held();
    });
}

bool PressAndHold::byTouchOrPen(const QMouseEvent *event)
{
    // Qt makes the mouse events of a touch or a pen itself and keeps the device
    // they came from; a touch screen that passes itself off as a mouse cannot be told.
    const QPointingDevice *device = event->pointingDevice();
    if (!device)
        return false;
    switch (device->type()) {
    case QInputDevice::DeviceType::TouchScreen:
    case QInputDevice::DeviceType::Stylus:
    case QInputDevice::DeviceType::Airbrush:
        return true;
    default:
        return false;
    }
}

void PressAndHold::press(const QMouseEvent *event)
{
    taken_ = false;
    timer_.stop();
    if (event->button() == Qt::LeftButton && byTouchOrPen(event))
        timer_.start(QGuiApplication::styleHints()->mousePressAndHoldInterval());
}

bool PressAndHold::move(const QMouseEvent *event)
{
    // Leaving the control lets the press go, as it lets go of a button; a finger
    // that only trembles on the control still holds.
    if (!control_->rect().contains(event->position().toPoint()))
        timer_.stop();
    return taken_;
}

bool PressAndHold::release()
{
    timer_.stop();
    const bool taken = taken_;
    taken_ = false;
    return taken;
}

} // namespace ui
