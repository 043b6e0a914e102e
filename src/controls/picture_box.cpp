#include "controls/picture_box.h"

#include "pictures/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace ui {

PictureBox::PictureBox(QWidget *parent, const QString &resource, QSize pictureSize)
    : QWidget(parent)
    , resource_(resource)
    , pictureSize_(pictureSize)
{
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // The copy drawn at build time onto this window's colour, where there is one: the
    // same pixels, with no SVG to parse and draw before the window is first seen.
    const QColor under = parentWidget() ? parentWidget()->palette().color(QPalette::Window) : QColor();
    const QImage drawn = pictureDrawnOn(resource_, pictureSize_, devicePixelRatioF(), under);
    if (!drawn.isNull()) {
        p.drawImage(QPointF(0, 0), drawn);
        return;
    }
    if (!renderer_)
        renderer_ = new QSvgRenderer(resource_, this);
    p.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&p, QRectF(QPointF(0, 0), QSizeF(pictureSize_)));
}

} // namespace ui
