// Run at build time: draws an SVG picture at the sizes a window needs before it is first
// on screen, once at a device-pixel ratio of 1 and once at 2, into files of raw
// premultiplied RGBA bytes that the program uses as they are, with nothing to parse or
// decode. Usage: bake_pictures <svg file> <output directory> [--on=RRGGBB] <size>...
// A size is a side (32) or a width and a height (127x125). With --on the picture is
// drawn onto that opaque colour, as a picture box draws it onto its window.
#include "pictures/svg_drawing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s svg-file output-directory side...\n", argv[0]);
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!QFileInfo(svg).isReadable() || !out.mkpath(QStringLiteral("1x")) || !out.mkpath(QStringLiteral("2x"))) {
        std::fprintf(stderr, "%s: cannot read %s or write to %s\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    QColor on;
    for (int i = 3; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument.startsWith("--on=")) {
            on = QColor(QLatin1Char('#') + QString::fromLatin1(argument.mid(5)));
            continue;
        }
        const QList<QByteArray> sides = argument.split('x');
        const QSize size(sides.first().toInt(), sides.last().toInt());
        for (const int ratio : {1, 2}) {
            const QImage image = ui::drawSvg(svg, size, ratio, on.isValid() ? on : QColor(Qt::transparent))
                                     .convertToFormat(QImage::Format_RGBA8888_Premultiplied);
            // Named as the program looks it up: ratio, picture, size in device-independent
            // pixels, and the colour under it.
            const QString folder = QStringLiteral("%1x").arg(ratio);
            QString name = QStringLiteral("%1/%2-%3x%4").arg(folder, QFileInfo(svg).completeBaseName())
                               .arg(size.width()).arg(size.height());
            if (on.isValid())
                name += QStringLiteral("-on-") + on.name().mid(1);
            QFile file(out.filePath(name + QStringLiteral(".rgba")));
            const auto bytes = reinterpret_cast<const char *>(image.constBits());
            if (!size.isValid() || !file.open(QIODevice::WriteOnly)
                || file.write(bytes, image.sizeInBytes()) != image.sizeInBytes()) {
                std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file.fileName()));
                return 1;
            }
        }
    }
    return 0;
}
