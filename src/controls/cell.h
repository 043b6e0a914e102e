#pragma once

#include "controls/label.h"

namespace ui {

class PressAndHold;

// A cell of a grid that the pupil turns on and off: a completed click of the left or
// the right button, or a touch or pen pressed and held, is one click. The second press
// of a double click is not another click; but every tap counts, and so does a quick
// click on the cell after one on its neighbour.
class Cell : public Label {
    Q_OBJECT
public:
    Cell(QWidget *parent, const QRect &geometryPixels);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    Qt::MouseButton pressed_ = Qt::NoButton;
    PressAndHold *hold_;
};

} // namespace ui
