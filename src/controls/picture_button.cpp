#include "controls/picture_button.h"


namespace ui {

PictureButton::PictureButton(QWidget *parent, const QString &pictureResource,
                             const QString &tooltip, const QColor &face)
    : PushButton(parent)
{
    setFace(face);
    setToolTip(tooltip);
    setAccessibleName(tooltip);
    setPicture(pictureResource);
}

} // namespace ui
