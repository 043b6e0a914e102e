#include "pictures/pictures.h"

#include "pictures/svg_drawing.h"

#include <QResource>

namespace ui {

namespace {

// The copy of a picture drawn at build time, if there is one for this size and ratio:
// raw premultiplied RGBA, read in place where it is stored uncompressed.
QImage drawnAtBuildTime(const QString &resource, QSize size, qreal devicePixelRatio,
                        const QColor &under = {})
{
    const QString name = resource.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0);
    const QResource drawn(QStringLiteral(":/drawn/%1x/%2-%3x%4%5.rgba")
                              .arg(devicePixelRatio)
                              .arg(name)
                              .arg(size.width())
                              .arg(size.height())
                              .arg(under.isValid() ? QStringLiteral("-on-") + under.name().mid(1) : QString()));
    const QByteArray bytes = drawn.uncompressedData();
    const QSize pixels = size * devicePixelRatio;
    if (bytes.size() != qint64(pixels.width()) * pixels.height() * 4)
        return {};
    QImage image = QImage(reinterpret_cast<const uchar *>(bytes.constData()), pixels.width(),
                          pixels.height(), QImage::Format_RGBA8888_Premultiplied)
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

} // namespace

QPixmap picture(const QString &resource, QSize size, qreal devicePixelRatio)
{
    QImage image = drawnAtBuildTime(resource, size, devicePixelRatio);
    if (image.isNull())
        image = drawSvg(resource, size, devicePixelRatio);
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QImage pictureDrawnOn(const QString &resource, QSize size, qreal devicePixelRatio, const QColor &under)
{
    return drawnAtBuildTime(resource, size, devicePixelRatio, under);
}

} // namespace ui
