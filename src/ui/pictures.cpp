#include "ui/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace ui {

QPixmap picture(const QString &resource, QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

const QIcon &windowIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int side : {16, 32, 64})
            i.addPixmap(picture(QStringLiteral(":/gears.svg"), QSize(side, side)));
        return i;
    }();
    return icon;
}

} // namespace ui
