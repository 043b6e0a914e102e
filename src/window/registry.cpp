#include "window/registry.h"

#include "window/form.h"

#include <QCoreApplication>

#include <algorithm>

namespace ui {

Registry &Registry::instance()
{
    static Registry registry;
    return registry;
}

std::vector<Form *> Registry::forms() const
{
    std::vector<Form *> alive;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<Form *>(window))
            alive.push_back(form);
    }
    return alive;
}

void Registry::watch(QWidget *window)
{
    connect(window, &QObject::destroyed, this, &Registry::windowGone);
}

void Registry::windowGone()
{
    // The window that went is no longer among the application's windows.
    const std::vector<Form *> left = forms();
    if (ending_) {
        ending_ = !left.empty();
        return;
    }
    if (std::none_of(left.begin(), left.end(), [](const Form *f) { return f->isVisible(); }))
        finish();
}

void Registry::endProgram()
{
    ending_ = true;
    const std::vector<Form *> windows = forms();
    for (Form *form : windows) {
        form->hide();
        form->deleteLater();
    }
    // Stays set until the last discarded window is gone, so that none of them
    // ends the program a second time.
    ending_ = !windows.empty();
    finish();
}

void Registry::destroyAll()
{
    ending_ = true;
    for (Form *form : forms())
        delete form;
    ending_ = false;
}

void Registry::finish()
{
    QCoreApplication::exit(0);
}

void endProgram()
{
    Registry::instance().endProgram();
}

namespace {
std::function<QWidget *()> showStart;
}

void setStartWindow(std::function<QWidget *()> show)
{
    showStart = std::move(show);
}

void backToStart(QWidget *from)
{
    if (showStart)
        showStart();
    from->close();
}

} // namespace ui
