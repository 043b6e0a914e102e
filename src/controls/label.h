#pragma once

#include <QColor>
#include <QLabel>

namespace ui {

// A caption that wraps at word boundaries within its width and starts at the top,
// opaque in its back colour (the window's, unless given) unless made transparent.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget *parent, const QString &text, const QRect &geometryPixels,
          Qt::Alignment horizontal = Qt::AlignLeft);

    void setColours(const QColor &text, const QColor &back);
    void setTextColour(const QColor &text);
    void setBackColour(const QColor &back);
    void setTransparent();
    void setSingleBorder();
};

} // namespace ui
