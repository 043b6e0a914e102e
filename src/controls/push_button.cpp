#include "controls/push_button.h"

#include "pictures/pictures.h"
#include "desktop/press_and_hold.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace ui {

PushButton::PushButton(QWidget *parent, const QString &caption)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

void PushButton::setFace(const QColor &face)
{
    face_ = face;
    update();
}

void PushButton::setPicture(const QString &resource)
{
    pictureResource_ = resource;
    picture_ = QPixmap();
    update();
}

void PushButton::enablePressAndHold()
{
    if (hold_)
        return;
    hold_ = new PressAndHold(this);
    // A hold stands for the right button, which a whiteboard lacks.
    connect(hold_, &PressAndHold::held, this, [this] {
        setDown(false);
        Q_EMIT mouseDown(Qt::RightButton);
    });
}

void PushButton::mousePressEvent(QMouseEvent *event)
{
    // The buttons held at the press, so that a right press with the left held is not "right alone".
    Q_EMIT mouseDown(event->buttons() | event->button());
    if (hold_)
        hold_->press(event);
    QPushButton::mousePressEvent(event);
}

void PushButton::mouseMoveEvent(QMouseEvent *event)
{
    // After a hold the button stays up, wherever the finger goes.
    if (hold_ && hold_->move(event))
        return;
    QPushButton::mouseMoveEvent(event);
}

void PushButton::mouseReleaseEvent(QMouseEvent *event)
{
    // A button that is up when the press ends makes no click.
    if (hold_ && hold_->release())
        setDown(false);
    QPushButton::mouseReleaseEvent(event);
}

void PushButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        && !event->isAutoRepeat()) {
        Q_EMIT mouseDown(Qt::RightButton);
        return;
    }
    QPushButton::keyPressEvent(event);
}

void PushButton::paintEvent(QPaintEvent *event)
{
    if (!face_.isValid()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter p(this);
    const QRect r = rect();
    const bool sunken = isDown();
    p.fillRect(r, face_);

    // A raised edge of two pixels, pressed in while the button is down; a black
    // outline marks the button that Enter would press.
    const QColor light = Qt::white;
    const QColor shadow = face_.darker(150);
    const QColor dark = Qt::black;
    QRect edge = r;
    if (hasFocus()) {
        p.setPen(dark);
        p.drawRect(edge.adjusted(0, 0, -1, -1));
        edge.adjust(1, 1, -1, -1);
    }
    const auto bevel = [&p](const QRect &b, const QColor &topLeft, const QColor &bottomRight) {
        p.setPen(topLeft);
        p.drawLine(b.topLeft(), b.topRight() - QPoint(1, 0));
        p.drawLine(b.topLeft(), b.bottomLeft() - QPoint(0, 1));
        p.setPen(bottomRight);
        p.drawLine(b.bottomLeft(), b.bottomRight());
        p.drawLine(b.topRight(), b.bottomRight());
    };
    if (sunken) {
        p.setPen(shadow);
        p.drawRect(edge.adjusted(0, 0, -1, -1));
    } else {
        bevel(edge, light, dark);
        bevel(edge.adjusted(1, 1, -1, -1), face_.lighter(115), shadow);
    }

    const QPoint shift = sunken ? QPoint(1, 1) : QPoint(0, 0);
    const QRect content = r.adjusted(3, 3, -3, -3).translated(shift);
    if (!pictureResource_.isEmpty()
        && (picture_.isNull() || picture_.devicePixelRatio() != devicePixelRatioF()))
        picture_ = ui::picture(pictureResource_, QSize(32, 32), devicePixelRatioF());
    if (!picture_.isNull()) {
        const QSize pic = picture_.deviceIndependentSize().toSize();
        p.drawPixmap(QRect(QPoint(0, 0), pic).translated(r.center() - QRect(QPoint(0, 0), pic).center() + shift),
                     picture_);
    } else if (!text().isEmpty()) {
        p.setFont(font());
        p.setPen(palette().color(QPalette::ButtonText));
        style()->drawItemText(&p, content, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                              isEnabled(), text());
    }
    if (hasFocus()) {
        // A dotted rectangle inside the face, a pixel on and a pixel off, leaving the
        // face its own colour (the style's focus frame would tint it).
        QPen dots(Qt::black, 0, Qt::CustomDashLine);
        dots.setDashPattern({1, 1});
        p.setPen(dots);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
}

} // namespace ui
