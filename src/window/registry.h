#pragma once

#include <QApplication>
#include <QObject>
#include <QWidget>

#include <functional>
#include <vector>

namespace ui {

class Form;

// Every open window, at most one of each class, found among the application's
// windows. The program ends when the last window it showed has gone, or at once
// through endProgram().
class Registry : public QObject {
    Q_OBJECT
public:
    static Registry &instance();

    template <class W>
    W *find() const
    {
        // The exact class: a window derived from another is a window of its own.
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->metaObject() == &W::staticMetaObject)
                return static_cast<W *>(window);
        }
        return nullptr;
    }

    std::vector<Form *> forms() const;

    // From now on the program ends when this window goes and no other is shown.
    void watch(QWidget *window);

    // Hides and discards every window without a close event, and leaves the event loop.
    void endProgram();
    // Deletes the windows still alive, once the event loop has returned.
    void destroyAll();

private:
    void windowGone();
    void finish();

    bool ending_ = false;
};

// Shows the single window of class W, loading it first if it is not loaded,
// and brings it to the front.
template <class W>
W *show()
{
    W *window = Registry::instance().find<W>();
    if (!window) {
        window = new W;
        Registry::instance().watch(window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

// The program's one way of moving on: show the other window, then close this one,
// so that at no moment is no window open.
template <class W>
W *switchTo(QWidget *from)
{
    W *shown = show<W>();
    from->close();
    return shown;
}

void endProgram();

// The window every activity goes back to. The activities reach it through this layer
// rather than by name, so that they never depend on the start window above them.
void setStartWindow(std::function<QWidget *()> show);

// "Fine" in an activity: show the start window, then close this one.
void backToStart(QWidget *from);

} // namespace ui
