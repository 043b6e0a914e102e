#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The layouts are written in twips (15 to a pixel at 96 dpi); this is the one
// place where they become pixels. Qt scales pixels for HiDPI screens itself.
namespace ui {

inline constexpr int twipsPerPixel = 15;

int px(double twips);
QSize size(int widthTwips, int heightTwips);
QRect rect(int leftTwips, int topTwips, int widthTwips, int heightTwips);
QRect rect(const QRect &twips);

} // namespace ui
