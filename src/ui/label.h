#pragma once

#include <QColor>
#include <QLabel>

namespace ui {

class PressAndHold;

// A caption that wraps at word boundaries within its width and starts at the top,
// opaque in its back colour unless made transparent. It reports a completed click
// of the left (1) or the right (2) button, and a touch or pen press-and-hold as the
// right button's click. The second press of a double click on the label is a double
// click, not another click; but every tap counts, and so does a quick click on the
// label after one on its neighbour.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget *parent, const QString &text, const QRect &geometryPixels,
          Qt::Alignment horizontal = Qt::AlignLeft);

    void setColours(const QColor &text, const QColor &back);
    void setTextColour(const QColor &text);
    void setBackColour(const QColor &back);
    QColor backColour() const;
    QColor textColour() const;
    void setTransparent();
    void setSingleBorder();

Q_SIGNALS:
    void clicked(int button);

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
