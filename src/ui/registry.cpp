#include "ui/registry.h"

#include <QCoreApplication>

#include <algorithm>

namespace ui {

Registry &Registry::instance()
{
    static Registry registry;
    return registry;
}

void Registry::add(Form *form)
{
    forms_.emplace_back(form);
}

void Registry::remove(Form *form)
{
    std::erase_if(forms_, [form](const QPointer<Form> &f) { return f.isNull() || f == form; });
    if (ending_) {
        ending_ = !forms_.empty();
        return;
    }
    const bool anyShown = std::any_of(forms_.begin(), forms_.end(), [](const QPointer<Form> &f) {
        return f && f->isVisible();
    });
    if (!anyShown)
        finish();
}

std::vector<Form *> Registry::forms() const
{
    std::vector<Form *> alive;
    for (const QPointer<Form> &f : forms_) {
        if (f)
            alive.push_back(f.data());
    }
    return alive;
}

void Registry::endProgram()
{
    ending_ = true;
    for (Form *form : forms()) {
        form->hide();
        form->deleteLater();
    }
    // Stays set until the last discarded window is gone, so that none of them
    // ends the program a second time.
    ending_ = !forms_.empty();
    finish();
}

void Registry::destroyAll()
{
    ending_ = true;
    for (Form *form : forms())
        delete form;
    forms_.clear();
    ending_ = false;
}

void Registry::finish()
{
    Q_EMIT programEnded();
    QCoreApplication::exit(0);
}

void endProgram()
{
    Registry::instance().endProgram();
}

namespace {
std::function<Form *()> showStart;
}

void setStartWindow(std::function<Form *()> show)
{
    showStart = std::move(show);
}

void backToStart(Form *from)
{
    if (showStart)
        showStart();
    from->close();
}

} // namespace ui
