#pragma once

#include "controls/push_button.h"

namespace ui {

// A square button with a 32 x 32 picture and no caption; its word is the tooltip.
class PictureButton : public PushButton {
    Q_OBJECT
public:
    PictureButton(QWidget *parent, const QString &pictureResource, const QString &tooltip,
                  const QColor &face);
};

} // namespace ui
