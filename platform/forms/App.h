#pragma once

#include "platform/forms/Form.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <map>
#include <memory>
#include <typeindex>
#include <vector>

namespace forms {

class Dialogs;

// The running program: its folder, its windows and its dialogs. This is the
// one registry of windows; a window reaches another only through it, by the
// other window's type, which loads the window on first touch.
class App : public QObject {
    Q_OBJECT
public:
    // programFolder: the folder the question database, pictures, sounds and
    // help lie in (the executable's folder in an installation).
    explicit App(const QString& programFolder);
    ~App() override;

    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The program running now; there is exactly one while an App exists.
    static App& current();
    static bool exists();

    // The program folder, without a trailing separator.
    const QString& path() const { return path_; }
    // A file in the program folder: path() joined with a relative name that
    // may use either separator ("\\pictures\\x.jpg" or "pictures/x.jpg").
    QString file(const QString& relative) const;

    Dialogs& dialogs() { return *dialogs_; }

    // The window of type F, built and loaded on first touch.
    template <class F>
    F& form()
    {
        const std::type_index key(typeid(F));
        if (auto found = forms_.find(key); found != forms_.end())
            return static_cast<F&>(*found->second);
        auto created = std::make_unique<F>();
        F& window = *created;
        forms_.emplace(key, std::move(created));
        window.runLoad();
        return window;
    }

    template <class F>
    bool isLoaded() const
    {
        return forms_.count(std::type_index(typeid(F))) != 0;
    }

    // The program's active window, or none.
    Form* activeForm() const { return active_; }

    // Ends the program: stores what the windows' bound boxes still hold for
    // existing rows, then leaves the event loop. No unload steps run.
    void end();
    // The store part of end(); the program goes on.
    void storePendingEdits();
    bool ended() const { return ended_; }

private:
    friend class Form;
    void showForm(Form& form);
    void raiseTopmost();
    void hideForm(Form& form);
    void userActivated(Form& form);
    bool unloadForm(Form& form);
    void activate(Form& form);
    void expectActivation(Form& form);
    void forgetRequests(Form& form);
    void activateNextAfter(Form& leaving);
    std::map<std::type_index, std::unique_ptr<Form>>::iterator find(Form& form);
    void destroyUnloaded();

    QString path_;
    std::unique_ptr<Dialogs> dialogs_;
    std::map<std::type_index, std::unique_ptr<Form>> forms_;
    Form* active_ = nullptr;
    // Windows in the order they were last active, most recent last.
    std::vector<QPointer<Form>> history_;
    // The windows the program asked the window system to activate, oldest
    // first, whose reports have not come yet.
    std::vector<QPointer<Form>> requested_;
    // Unloaded windows wait here until control is back in the event loop.
    std::vector<std::unique_ptr<Form>> unloaded_;
    bool ended_ = false;
};

// Shorthand for the windows' code: form<frmMain>().txtQ->setText(...).
template <class F>
F& form()
{
    return App::current().form<F>();
}

} // namespace forms
