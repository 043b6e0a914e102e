#pragma once

#include <QColor>
#include <QLabel>

namespace ui {

// A caption that wraps at word boundaries within its width and starts at the top,
// opaque in its back colour unless made transparent. It reports a completed click
// of the left (1) or the right (2) button; the second press of a double click is a
// double click, not another click.
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
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    Qt::MouseButton pressed_ = Qt::NoButton;
};

} // namespace ui
