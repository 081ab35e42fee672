#include "platform/forms/App.h"

#include "platform/core/Paths.h"
#include "platform/data/DataControl.h"
#include "platform/forms/Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDir>

#include <algorithm>

namespace forms {

namespace {
App* running = nullptr;
}

App::App(const QString& programFolder) : path_(QDir::cleanPath(programFolder)), dialogs_(std::make_unique<Dialogs>())
{
    Q_ASSERT_X(!running, "App", "one program at a time");
    running = this;
    Dialogs::setCurrent(dialogs_.get());
}

App::~App()
{
    // Windows go before the dialogs and the registry they may still touch.
    active_ = nullptr;
    history_.clear();
    forms_.clear();
    unloaded_.clear();
    Dialogs::setCurrent(nullptr);
    running = nullptr;
}

App& App::current()
{
    Q_ASSERT_X(running, "App::current", "no program is running");
    return *running;
}

bool App::exists()
{
    return running != nullptr;
}

QString App::file(const QString& relative) const
{
    return platform::joinProgramPath(path_, relative);
}

void App::showForm(Form& form)
{
    form.show();
    form.raise();
    raiseTopmost();
    expectActivation(form);
    activate(form);
}

// A window that floats above the others (the chapter palette) is put back
// on top whenever the program brings another window forward: not every
// desktop keeps such windows above by itself.
void App::raiseTopmost()
{
    for (const auto& [type, window] : forms_) {
        if (window->isVisible() && (window->windowFlags() & Qt::WindowStaysOnTopHint))
            window->raise();
    }
}

void App::expectActivation(Form& form)
{
    requested_.emplace_back(&form);
    form.activateWindow();
}

void App::hideForm(Form& form)
{
    forgetRequests(form);
    form.hide();
    if (active_ == &form)
        activateNextAfter(form);
}

void App::activate(Form& form)
{
    if (active_ == &form)
        return;
    active_ = &form;
    std::erase_if(history_, [&](const QPointer<Form>& f) { return f.isNull() || f == &form; });
    history_.emplace_back(&form);
    form.runActivate();
}

void App::userActivated(Form& form)
{
    // The window system reports activations late, one report per request. A
    // report for a window the program asked for answers that request and every
    // earlier one: the program ran that activation itself, and a report for an
    // earlier request is stale, since the program has moved on since. A report
    // no request explains is the user switching windows.
    std::erase_if(requested_, [](const QPointer<Form>& f) { return f.isNull(); });
    const auto answered = std::find(requested_.begin(), requested_.end(), &form);
    if (answered != requested_.end()) {
        requested_.erase(requested_.begin(), answered + 1);
        return;
    }
    requested_.clear();
    if (!form.isVisible() || find(form) == forms_.end())
        return;
    activate(form);
}

void App::forgetRequests(Form& form)
{
    // A hidden or unloaded window's request will never be answered.
    std::erase_if(requested_, [&](const QPointer<Form>& f) { return f.isNull() || f == &form; });
}

void App::activateNextAfter(Form& leaving)
{
    if (active_ == &leaving)
        active_ = nullptr;
    for (auto it = history_.rbegin(); it != history_.rend(); ++it) {
        Form* candidate = *it;
        if (candidate && candidate != &leaving && candidate->isVisible() && find(*candidate) != forms_.end()) {
            candidate->raise();
            expectActivation(*candidate);
            activate(*candidate);
            return;
        }
    }
}

std::map<std::type_index, std::unique_ptr<Form>>::iterator App::find(Form& form)
{
    for (auto it = forms_.begin(); it != forms_.end(); ++it)
        if (it->second.get() == &form)
            return it;
    return forms_.end();
}

bool App::unloadForm(Form& form)
{
    auto entry = find(form);
    if (entry == forms_.end() || form.unloading_)
        return entry == forms_.end();
    form.unloading_ = true;
    if (!form.runUnloadStep()) {
        form.unloading_ = false;
        return false;
    }
    forgetRequests(form);
    form.storePendingEdits();
    // The window may be running one of its own handlers right now, so it is
    // only taken out of the registry here and destroyed once control is back
    // in the event loop; the next touch builds a fresh one.
    std::unique_ptr<Form> owned = std::move(entry->second);
    forms_.erase(entry);
    owned->hide();
    unloaded_.push_back(std::move(owned));
    QMetaObject::invokeMethod(this, &App::destroyUnloaded, Qt::QueuedConnection);
    if (active_ == &form)
        activateNextAfter(form);
    std::erase_if(history_, [&](const QPointer<Form>& f) { return f.isNull() || f == &form; });
    return true;
}

void App::destroyUnloaded()
{
    unloaded_.clear();
}

void App::storePendingEdits()
{
    for (auto& [type, window] : forms_)
        window->storePendingEdits(Form::PendingRows::ExistingOnly);
}

void App::end()
{
    if (ended_)
        return;
    ended_ = true;
    storePendingEdits();
    for (auto& [type, window] : forms_)
        window->hide();
    active_ = nullptr;
    // A box waiting for its answer runs a loop of its own, and the step that
    // opened it goes on only once it closes; before the program's loop runs
    // (a box of the start) nothing else would ever close it. It comes back
    // as dismissed.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QDialog*>(window); box && box->isVisible() && box->isModal())
            box->reject();
    }
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

} // namespace forms
