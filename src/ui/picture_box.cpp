#include "ui/picture_box.h"

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
    if (!renderer_)
        renderer_ = new QSvgRenderer(resource_, this);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&p, QRectF(QPointF(0, 0), QSizeF(pictureSize_)));
}

} // namespace ui
