#include "ui/picture_box.h"

#include <QPainter>
#include <QSvgRenderer>

namespace ui {

PictureBox::PictureBox(QWidget *parent, const QString &resource, QSize pictureSize)
    : QWidget(parent)
    , renderer_(new QSvgRenderer(resource, this))
    , pictureSize_(pictureSize)
{
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&p, QRectF(QPointF(0, 0), QSizeF(pictureSize_)));
}

} // namespace ui
