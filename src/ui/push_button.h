#pragma once

#include <QColor>
#include <QPixmap>
#include <QPointF>
#include <QPushButton>

namespace ui {

// A push button that also reports each mouse press with its button code (1 left,
// 2 right, 4 middle; the sum when several are held), the shift state (1 Shift,
// 2 Ctrl, 4 Alt) and the position in twips. A right press never makes a click.
// Given a face colour it is drawn flat in that colour with a raised edge, the
// caption or picture centred. Delete and Backspace on the focused button count as a
// right-button press, so that a pupil without a right button can remove too.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    explicit PushButton(QWidget *parent, const QString &caption = {});

    void setFace(const QColor &face);
    QColor face() const { return face_; }
    // A 32 x 32 SVG picture, drawn when the button is first painted, at the screen's pixel ratio.
    void setPicture(const QString &resource);

    static int buttonCode(Qt::MouseButtons buttons);
    static int shiftCode(Qt::KeyboardModifiers modifiers);

Q_SIGNALS:
    void mouseDown(int button, int shift, QPointF twips);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor face_;
    QString pictureResource_;
    QPixmap picture_;
};

} // namespace ui
