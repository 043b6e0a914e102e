#include "controls/label.h"

namespace ui {

Label::Label(QWidget *parent, const QString &text, const QRect &geometryPixels,
             Qt::Alignment horizontal)
    : QLabel(text, parent)
{
    setGeometry(geometryPixels);
    setAlignment(horizontal | Qt::AlignTop);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    if (parent)
        setBackColour(parent->palette().color(QPalette::Window));
}

void Label::setColours(const QColor &text, const QColor &back)
{
    setTextColour(text);
    setBackColour(back);
}

void Label::setTextColour(const QColor &text)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, text);
    setPalette(pal);
}

void Label::setBackColour(const QColor &back)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, back);
    setPalette(pal);
    setAutoFillBackground(true);
}

void Label::setTransparent()
{
    setAutoFillBackground(false);
}

void Label::setSingleBorder()
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

} // namespace ui
