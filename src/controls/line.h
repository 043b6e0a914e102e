#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace ui {

// A straight line between two points given in twips of the parent, a whole number
// of pixels thick. It takes no mouse input.
class Line : public QWidget {
    Q_OBJECT
public:
    Line(QWidget *parent, QPoint fromTwips, QPoint toTwips, const QColor &colour = Qt::black,
         int widthPixels = 1);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint from_; // pixels, in the parent
    QPoint to_;
    QColor colour_;
    int width_;
};

} // namespace ui
