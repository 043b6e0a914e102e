#include "controls/shape.h"

#include <QPainter>

namespace ui {

Shape::Shape(QWidget *parent, Kind kind, const QColor &fill, const QColor &outline)
    : QWidget(parent)
    , kind_(kind)
    , fill_(fill)
    , outline_(outline)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setBrush(fill_);
    p.setPen(outline_.isValid() ? QPen(outline_, 1) : QPen(Qt::NoPen));
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (kind_ == Kind::Circle) {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(box);
    } else {
        p.drawRect(box);
    }
}

} // namespace ui
