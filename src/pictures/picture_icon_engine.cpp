#include "pictures/picture_icon_engine.h"

#include "pictures/pictures.h"

#include <QPainter>
#include <QPixmapCache>

#include <algorithm>

namespace ui {

PictureIconEngine::PictureIconEngine(const QString &resource, const QList<QSize> &sizes)
    : resource_(resource)
    , sizes_(sizes)
{
}

void PictureIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
}

QPixmap PictureIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return scaledPixmap(size, mode, state, 1.0);
}

// The size asked for is in device pixels; the picture is square.
QPixmap PictureIconEngine::scaledPixmap(const QSize &size, QIcon::Mode, QIcon::State, qreal scale)
{
    const int side = qRound(std::min(size.width(), size.height()) / scale);
    // A window asks again each time it is made; a size drawn from the SVG is drawn once.
    const QString key = QStringLiteral("%1 %2@%3").arg(resource_).arg(side).arg(scale);
    QPixmap made;
    if (!QPixmapCache::find(key, &made)) {
        made = picture(resource_, QSize(side, side), scale);
        QPixmapCache::insert(key, made);
    }
    return made;
}

QList<QSize> PictureIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    return sizes_;
}

QIconEngine *PictureIconEngine::clone() const
{
    return new PictureIconEngine(resource_, sizes_);
}

const QIcon &windowIcon()
{
    // The sizes offered to the window manager; those drawn at build time (see
    // src/pictures/CMakeLists.txt) cost no SVG before the first window is on screen.
    static const QIcon icon(new PictureIconEngine(
        QStringLiteral(":/gears.svg"), {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)}));
    return icon;
}

} // namespace ui
