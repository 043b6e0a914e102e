#include "window/form.h"

#include "window/command_keys.h"
#include "pictures/picture_icon_engine.h"
#include "window/twips.h"
#include "desktop/x11.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <array>

namespace ui {

namespace {

QMargins marginsOf(const QWidget *w)
{
    const QRect frame = w->frameGeometry();
    const QRect client = w->geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

// The frame a window manager puts round our windows. Before a window is shown its
// own frame is unknown until the manager answers: borrow it meanwhile from a window
// that is already on screen.
QMargins frameMargins(const QWidget *window)
{
    if (window->isVisible())
        return marginsOf(window);
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && qobject_cast<const Form *>(other))
            return marginsOf(other);
    }
    return {};
}

// Where a window of the given outer size goes on a screen, as the two moves that
// put it there: the edge named first by the order is set first.
std::array<QPoint, 2> centreSteps(CentreOrder order, const QRect &screen, QSize outer,
                                  QPoint current)
{
    const int left = screen.left() + (screen.width() - outer.width()) / 2;
    const int top = screen.top() + (screen.height() - outer.height()) / 2;
    if (order == CentreOrder::TopFirst)
        return {QPoint(current.x(), top), QPoint(left, top)};
    return {QPoint(left, current.y()), QPoint(left, top)};
}

} // namespace

Form::Form(const QString &caption, int clientWidthTwips, int clientHeightTwips,
           const QColor &background, Border border)
    : QWidget(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    // A dialog border keeps the window out of the task bar.
    flags |= border == Border::FixedDialog ? Qt::Tool : Qt::Window;
    setWindowFlags(flags);
    setWindowTitle(caption);
    setWindowIcon(ui::windowIcon());
    setFixedSize(ui::size(clientWidthTwips, clientHeightTwips));
    if (background.isValid()) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, background);
        setPalette(pal);
        setAutoFillBackground(true);
    }
}

void Form::centre(CentreOrder order)
{
    // The manager takes a few milliseconds to answer, about as long as it takes to build
    // the rest of the window: ask now, and read the answer when the window is shown.
    if (!isVisible() && !frameDue_ && x11::askFrameExtents(this))
        frameDue_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
    place(order, frameMargins(this));
}

void Form::place(CentreOrder order, const QMargins &margins)
{
    const QScreen *scr = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!scr)
        return;
    const QSize outer = size().grownBy(margins);
    centredIn_ = order;
    centredWith_ = margins;
    // A native window that is not shown yet is placed by its client area, not its frame.
    const QPoint frameToClient = testAttribute(Qt::WA_WState_Created) && !isVisible()
        ? QPoint(margins.left(), margins.top())
        : QPoint();
    for (const QPoint &step : centreSteps(order, scr->geometry(), outer, pos()))
        move(step + frameToClient);
}

void Form::setTabOrder(const std::vector<QWidget *> &order)
{
    for (auto next = order.begin(); next != order.end() && next + 1 != order.end(); ++next)
        QWidget::setTabOrder(*next, *(next + 1));
}

void Form::setVisible(bool visible)
{
    if (visible && frameDue_) {
        const auto answer = x11::frameExtentsAnswer(this, *frameDue_);
        frameDue_.reset();
        if (answer && centredIn_ && *answer != centredWith_)
            place(*centredIn_, *answer);
    }
    QWidget::setVisible(visible);
}

void Form::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Before the first show the frame could only be guessed. Where the platform
    // already knows the real one, centre again if the guess was wrong; a frame that
    // still reads as none (a window manager has not framed us yet) tells nothing.
    if (centredIn_ && !event->spontaneous()) {
        const CentreOrder order = *centredIn_;
        const QMargins real = frameMargins(this);
        if (!real.isNull() && real != centredWith_)
            centre(order);
        centredIn_.reset();
    }
}

void Form::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        CommandKeys::instance().forgetReleased();
    QWidget::changeEvent(event);
}

void Form::setDefaultButton(QAbstractButton *button)
{
    defaultButton_ = button;
}

void Form::setCancelButton(QAbstractButton *button)
{
    cancelButton_ = button;
}

void Form::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool command = event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return
        || event->key() == Qt::Key_Enter;
    if (command && !CommandKeys::instance().mayAct(event))
        return;
    if (plain && event->key() == Qt::Key_Escape && cancelButton_ && cancelButton_->isEnabled()) {
        cancelButton_->click();
        return;
    }
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // Enter presses the focused push button; elsewhere, the default button.
        if (auto *focused = qobject_cast<QPushButton *>(focusWidget())) {
            focused->click();
            return;
        }
        if (defaultButton_ && defaultButton_->isEnabled()) {
            defaultButton_->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

} // namespace ui
