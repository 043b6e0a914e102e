#include "pictures/svg_drawing.h"

#include <QPainter>
#include <QSvgRenderer>

namespace ui {

QImage drawSvg(const QString &file, QSize size, qreal devicePixelRatio, const QColor &under)
{
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(under);
    QSvgRenderer renderer(file);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

} // namespace ui
