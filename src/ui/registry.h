#pragma once

#include "ui/form.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

namespace ui {

// Every open window, at most one of each class. The program ends when the last
// window has gone, or at once through endProgram().
class Registry : public QObject {
    Q_OBJECT
public:
    static Registry &instance();

    void add(Form *form);
    void remove(Form *form);

    template <class W>
    W *find() const
    {
        // The exact class: a window derived from another is a window of its own.
        for (const QPointer<Form> &form : forms_) {
            if (form && form->metaObject() == &W::staticMetaObject)
                return static_cast<W *>(form.data());
        }
        return nullptr;
    }

    std::vector<Form *> forms() const;

    // Hides and discards every window without a close event, and leaves the event loop.
    void endProgram();
    // Deletes the windows still alive, once the event loop has returned.
    void destroyAll();

Q_SIGNALS:
    void programEnded();

private:
    void finish();

    std::vector<QPointer<Form>> forms_;
    bool ending_ = false;
};

// Shows the single window of class W, loading it first if it is not loaded,
// and brings it to the front.
template <class W>
W *show()
{
    W *window = Registry::instance().find<W>();
    if (!window)
        window = new W;
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

// The program's one way of moving on: show the other window, then close this one,
// so that at no moment is no window open.
template <class W>
W *switchTo(Form *from)
{
    W *shown = show<W>();
    from->close();
    return shown;
}

void endProgram();

// The window every activity goes back to. The activities reach it through this layer
// rather than by name, so that they never depend on the start window above them.
void setStartWindow(std::function<Form *()> show);

// "Fine" in an activity: show the start window, then close this one.
void backToStart(Form *from);

} // namespace ui
