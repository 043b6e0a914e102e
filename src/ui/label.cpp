#include "ui/label.h"

#include <QMouseEvent>

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

QColor Label::backColour() const
{
    return palette().color(QPalette::Window);
}

QColor Label::textColour() const
{
    return palette().color(QPalette::WindowText);
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

void Label::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button();
    QLabel::mousePressEvent(event);
}

void Label::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click: not passed on as a press (Qt's default would),
    // so that its release completes no second click.
    pressed_ = Qt::NoButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool completes = event->button() == pressed_ && rect().contains(event->position().toPoint());
    pressed_ = Qt::NoButton;
    if (completes && event->button() == Qt::LeftButton)
        Q_EMIT clicked(1);
    else if (completes && event->button() == Qt::RightButton)
        Q_EMIT clicked(2);
    QLabel::mouseReleaseEvent(event);
}

} // namespace ui
