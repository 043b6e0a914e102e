#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ui {

// An SVG resource rendered at a size in device-independent pixels, sharp on HiDPI screens.
QPixmap picture(const QString &resource, QSize size, qreal devicePixelRatio = 1.0);

// The two grey gear wheels every window carries.
const QIcon &windowIcon();

} // namespace ui
