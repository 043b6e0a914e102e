#pragma once

#include <QObject>
#include <QTimer>

class QMouseEvent;
class QWidget;

namespace ui {

// Times a touch or pen press on a control: held on it for the platform's
// press-and-hold interval, it stands for the right button, which a whiteboard
// lacks. A mouse press is never timed: a child who holds the left button down
// still clicks.
class PressAndHold : public QObject {
    Q_OBJECT
public:
    explicit PressAndHold(QWidget *control);

    static bool byTouchOrPen(const QMouseEvent *event);

    // The control passes each mouse event on. move() and release() answer true
    // while the press belongs to a hold already taken: the event must then do
    // nothing more, since the hold has acted for the whole press.
    void press(const QMouseEvent *event);
    bool move(const QMouseEvent *event);
    bool release();

Q_SIGNALS:
    // At the end of the interval.
    void held();

private:
    QWidget *control_;
    QTimer timer_;
    bool taken_ = false;
};

} // namespace ui
