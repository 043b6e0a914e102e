#pragma once

#include "controls/label.h"

namespace ui {

class PressAndHold;

// A cell of a grid that the pupil turns on and off: a completed click of the left or
// the right button, a touch or pen pressed and held, or Space, is one click; Delete or
// Backspace asks for it to be cleared. The second press of a double click is not
// another click; but every tap counts, and so does a quick click on the cell after one
// on its neighbour. A click never gives it the focus, so that a mouse changes nothing
// else in sight; the keyboard reaches it (KeyMoves), and sees a dotted frame there.
class Cell : public Label {
    Q_OBJECT
public:
    Cell(QWidget *parent, const QRect &geometryPixels);

Q_SIGNALS:
    void clicked();
    void clearAsked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Qt::MouseButton pressed_ = Qt::NoButton;
    PressAndHold *hold_;
};

} // namespace ui
