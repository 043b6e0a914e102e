#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace ui {

// An SVG file drawn at a size in device-independent pixels onto a transparent image of
// as many device pixels as the ratio asks for. Every picture is drawn by this one
// function: at build time for the copies compiled into the program, and at run time
// for every other size.
QImage drawSvg(const QString &file, QSize size, qreal devicePixelRatio);

} // namespace ui
