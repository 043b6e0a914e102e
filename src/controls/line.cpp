#include "controls/line.h"

#include "window/twips.h"

#include <QPainter>

namespace ui {

Line::Line(QWidget *parent, QPoint fromTwips, QPoint toTwips, const QColor &colour,
           int widthPixels)
    : QWidget(parent)
    , from_(px(fromTwips.x()), px(fromTwips.y()))
    , to_(px(toTwips.x()), px(toTwips.y()))
    , colour_(colour)
    , width_(widthPixels)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int pad = (width_ + 1) / 2;
    setGeometry(QRect(from_, to_).normalized().adjusted(-pad, -pad, pad, pad));
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::SquareCap));
    const QPoint origin = pos();
    if (width_ % 2 == 1) {
        // An odd width sits on the pixel grid: draw through the middle of the pixels.
        p.translate(0.5, 0.5);
    }
    p.drawLine(from_ - origin, to_ - origin);
}

} // namespace ui
