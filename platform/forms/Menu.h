#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace forms {

// One entry of a window's menus: a title on the menu bar, an item, or a
// separator (caption "-", shown as a bar without text). An item gets a submenu once items are added to it.
// The check mark is the window's to set: choosing an item runs click() and
// leaves the mark alone. A title's click() runs as its menu opens.
class Menu : public QObject {
    Q_OBJECT
public:
    // A title on the bar.
    Menu(QMenuBar* bar, const QString& caption);
    // An item (or separator) at the end of the parent's menu.
    Menu(Menu* parent, const QString& caption);
    // A menu of its own that is never on a bar, shown with popup().
    Menu(QWidget* window, const QString& caption);
    ~Menu() override;

    QString caption() const;
    void setCaption(const QString& caption);
    bool enabled() const;
    void setEnabled(bool enabled);
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    bool visible() const;
    void setVisible(bool visible);
    QKeySequence shortcut() const;
    void setShortcut(const QKeySequence& keys);
    bool isSeparator() const;

    // Runs the item as if the user chose it: nothing when disabled or hidden.
    void trigger();
    // Shows this menu's items at a screen position and returns when it closes.
    void popup(const QPoint& globalPos);

    QAction* action() const { return action_; }
    QMenu* menu() const;

signals:
    void click();

private:
    QMenu* submenu();
    void showCaption(const QString& caption);
    void showCheck();

    QAction* action_ = nullptr;
    QPointer<QMenu> menu_;
    QPointer<QWidget> window_;
    bool checked_ = false;
    bool enabled_ = true; // a hidden QAction reports itself disabled; this is the set value
};

} // namespace forms
