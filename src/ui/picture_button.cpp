#include "ui/picture_button.h"

#include "ui/pictures.h"

namespace ui {

PictureButton::PictureButton(QWidget *parent, const QString &pictureResource,
                             const QString &tooltip, const QColor &face)
    : PushButton(parent)
{
    setFace(face);
    setToolTip(tooltip);
    setAccessibleName(tooltip);
    setPicture(picture(pictureResource, QSize(32, 32), devicePixelRatioF()));
}

} // namespace ui
