#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>

namespace ui {

class PressAndHold;

// A push button that also reports each press with the mouse buttons held down at it.
// A right press never makes a click.
// Given a face colour it is drawn flat in that colour with a raised edge, the
// caption or picture centred. Delete and Backspace on the focused button count as a
// right-button press, so that a pupil without a right button can remove too; at a
// whiteboard a press-and-hold does, where enabled.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    explicit PushButton(QWidget *parent, const QString &caption = {});

    void setFace(const QColor &face);
    // A 32 x 32 SVG picture, drawn when the button is first painted, at the screen's pixel ratio.
    void setPicture(const QString &resource);
    // A touch or pen press held on the button is then a right-button press, and its
    // release no click: the button pops up at once to show that the hold was taken.
    void enablePressAndHold();

Q_SIGNALS:
    void mouseDown(Qt::MouseButtons buttons);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor face_;
    QString pictureResource_;
    QPixmap picture_;
    PressAndHold *hold_ = nullptr;
};

// Wires one button of a group (a control array, or the rods of the abacus) to the
// window's Click and MouseDown handlers, which take the button's index first. Such a
// button adds on a click and removes on a right press, so a press-and-hold removes.
template <class Window, class Index>
void wireButton(PushButton *button, Window *window, Index index, void (Window::*click)(Index),
                void (Window::*mouseDown)(Index, Qt::MouseButtons))
{
    button->enablePressAndHold();
    QObject::connect(button, &QPushButton::clicked, window, [=] { (window->*click)(index); });
    QObject::connect(button, &PushButton::mouseDown, window,
                     [=](Qt::MouseButtons buttons) { (window->*mouseDown)(index, buttons); });
}

} // namespace ui
