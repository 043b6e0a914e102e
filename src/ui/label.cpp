#include "ui/label.h"

#include "ui/press_and_hold.h"

#include <QMouseEvent>
#include <QPointer>

namespace ui {

namespace {
// The label that took the last press. Qt makes a quick second press within a few
// pixels of the first a double click wherever it lands, so a click on the edge of
// one cell and then on the edge of the next one comes to the second as a double click.
QPointer<Label> lastPressed;
} // namespace

Label::Label(QWidget *parent, const QString &text, const QRect &geometryPixels,
             Qt::Alignment horizontal)
    : QLabel(text, parent)
    , hold_(new PressAndHold(this))
{
    setGeometry(geometryPixels);
    setAlignment(horizontal | Qt::AlignTop);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    if (parent)
        setBackColour(parent->palette().color(QPalette::Window));
    connect(hold_, &PressAndHold::held, this, [this] { Q_EMIT clicked(2); });
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
    lastPressed = this;
    hold_->press(event);
    QLabel::mousePressEvent(event);
}

void Label::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A tap is never half of a double click: two taps on a cell toggle it twice.
    if (PressAndHold::byTouchOrPen(event) || lastPressed != this) {
        mousePressEvent(event);
        return;
    }
    // The second press of a double click on this label: not passed on as a press (Qt's
    // default would), so that its release completes no second click.
    pressed_ = Qt::NoButton;
    event->accept();
}

void Label::mouseMoveEvent(QMouseEvent *event)
{
    hold_->move(event);
    QLabel::mouseMoveEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    // A hold has already clicked, at the end of its interval.
    const bool held = hold_->release();
    const bool completes = !held && event->button() == pressed_ && rect().contains(event->position().toPoint());
    pressed_ = Qt::NoButton;
    if (completes && event->button() == Qt::LeftButton)
        Q_EMIT clicked(1);
    else if (completes && event->button() == Qt::RightButton)
        Q_EMIT clicked(2);
    QLabel::mouseReleaseEvent(event);
}

} // namespace ui
