#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace ui {

// An SVG resource at a size in device-independent pixels, sharp on HiDPI screens: the
// copy drawn at build time where there is one, else drawn now.
QPixmap picture(const QString &resource, QSize size, qreal devicePixelRatio = 1.0);

// The copy of an SVG resource drawn at build time onto the opaque colour under it, as a
// picture box shows it; a null image where none was drawn for that size, ratio and colour.
QImage pictureDrawnOn(const QString &resource, QSize size, qreal devicePixelRatio, const QColor &under);

} // namespace ui
