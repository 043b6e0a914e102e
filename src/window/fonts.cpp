#include "window/fonts.h"

#include <cmath>

namespace ui {

void registerFontSubstitutes()
{
    QFont::insertSubstitution(QLatin1String(comicSans), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QLatin1String(msSansSerif), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QLatin1String(arial), QStringLiteral("Liberation Sans"));
}

QFont font(const QString &face, double points, bool bold, bool italic)
{
    QFont f(face);
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

} // namespace ui
