#pragma once

#include <QMainWindow>

namespace forms {

class App;

// A window of the program. Each window exists once: App::form<T>() builds it
// on first touch from its design values (the constructor) and runs its load
// step hidden; Unload destroys it, and the next touch builds it afresh.
//
// Activation is the program's own, not the window system's: Form_Activate
// runs synchronously inside Show when the window becomes the program's active
// window, and again when the user switches back to it from another window of
// the program, but not after a message box, an input box or a popup menu
// closes, nor when the user comes back from another application.
class Form : public QMainWindow {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Makes the window visible and the program's active window.
    void Show();
    // Hides the window; it stays loaded.
    void Hide();
    // Unloads the window (its unload step may cancel). Returns true when the
    // window was unloaded. Pending edits of its bound boxes are stored first.
    bool Unload();

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    bool isLoadedForm() const { return loaded_; }

protected:
    // The load step: runs once per load, hidden, on first touch.
    virtual void Form_Load() {}
    // The activation step: runs each time the window becomes the active one.
    virtual void Form_Activate() {}
    // The unload step; setting cancel non-zero keeps the window loaded.
    virtual void Form_Unload(int& cancel) {}

    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // None: a window's bars are shown and hidden by its own View items only,
    // whose ticks would otherwise no longer tell the truth.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    friend class App;
    void runLoad();
    void runActivate() { Form_Activate(); }
    bool runUnloadStep();
    enum class PendingRows { All, ExistingOnly };
    void storePendingEdits(PendingRows rows = PendingRows::All);

    bool loaded_ = false;
    bool unloading_ = false;
};

} // namespace forms
