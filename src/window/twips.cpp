#include "window/twips.h"

#include <cmath>

namespace ui {

int px(double twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

QSize size(int widthTwips, int heightTwips)
{
    return {px(widthTwips), px(heightTwips)};
}

QRect rect(int leftTwips, int topTwips, int widthTwips, int heightTwips)
{
    // Convert the edges, not the size, so that neighbours that touch in
    // twips still touch in pixels.
    const int left = px(leftTwips);
    const int top = px(topTwips);
    return {left, top, px(leftTwips + widthTwips) - left, px(topTwips + heightTwips) - top};
}

QRect rect(const QRect &twips)
{
    return rect(twips.left(), twips.top(), twips.width(), twips.height());
}

} // namespace ui
