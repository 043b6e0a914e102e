#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QList>
#include <QSize>
#include <QString>

namespace ui {

// An icon made from an SVG picture at whatever size and device-pixel ratio is asked for,
// and only when asked for: the sizes drawn at build time are taken as they are, any
// other size is drawn from the SVG. Every mode and state shows the same picture.
class PictureIconEngine : public QIconEngine {
public:
    PictureIconEngine(const QString &resource, const QList<QSize> &sizes);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;

private:
    QString resource_;
    QList<QSize> sizes_;
};

// The two grey gear wheels every window carries, at any size.
const QIcon &windowIcon();

} // namespace ui
