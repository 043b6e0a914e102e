#pragma once

#include <QColor>
#include <cstdint>

namespace ui {

// A colour as the layouts write it, &H00BBGGRR&: blue in the high byte, red in the low one.
QColor vbColor(std::uint32_t bbggrr);

// The colours that more than one window uses.
namespace colour {
inline const QColor black = vbColor(0x00000000);
inline const QColor red = vbColor(0x000000FF);
inline const QColor green = vbColor(0x0000C000);
inline const QColor yellow = vbColor(0x0000FFFF);
inline const QColor blue = vbColor(0x00FF0000);
inline const QColor lightGreen = vbColor(0x0080FF80);
inline const QColor lightOrange = vbColor(0x0080C0FF);
inline const QColor lightPink = vbColor(0x00FFC0FF);
inline const QColor lightCyan = vbColor(0x00FFFF80);
} // namespace colour

} // namespace ui
