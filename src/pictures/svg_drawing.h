#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace ui {

// An SVG file drawn at a size in device-independent pixels onto an image of as many
// device pixels as the ratio asks for, transparent or filled with the colour under
// the picture. Every picture is drawn by this one function: at build time for the
// copies compiled into the program, and at run time for every other size.
QImage drawSvg(const QString &file, QSize size, qreal devicePixelRatio,
               const QColor &under = Qt::transparent);

} // namespace ui
