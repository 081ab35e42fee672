#include "platform/forms/Menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace forms {

namespace {
bool isSeparatorCaption(const QString& caption)
{
    return caption == QLatin1String("-");
}
} // namespace

Menu::Menu(QMenuBar* bar, const QString& caption) : QObject(bar), window_(bar)
{
    menu_ = new QMenu(caption, bar);
    action_ = menu_->menuAction();
    bar->addAction(action_);
    connect(menu_, &QMenu::aboutToShow, this, &Menu::click);
}

Menu::Menu(Menu* parent, const QString& caption) : QObject(parent), window_(parent->window_)
{
    action_ = new QAction(this);
    showCaption(caption);
    connect(action_, &QAction::triggered, this, [this] {
        showCheck(); // Qt toggled a checkable item; the mark is the window's to set
        emit click();
    });
    parent->submenu()->addAction(action_);
}

Menu::Menu(QWidget* window, const QString& caption) : QObject(window), window_(window)
{
    menu_ = new QMenu(caption, window);
    action_ = menu_->menuAction();
    connect(menu_, &QMenu::aboutToShow, this, &Menu::click);
}

Menu::~Menu()
{
    delete menu_.data();
}

QMenu* Menu::submenu()
{
    if (!menu_) {
        menu_ = new QMenu(window_);
        action_->setMenu(menu_.data());
        connect(menu_, &QMenu::aboutToShow, this, &Menu::click);
    }
    return menu_;
}

QMenu* Menu::menu() const
{
    return menu_.data();
}

QString Menu::caption() const
{
    return action_->isSeparator() ? QStringLiteral("-") : action_->text();
}

void Menu::setCaption(const QString& caption)
{
    if (menu_)
        menu_->setTitle(caption);
    if (menu_ && action_ == menu_->menuAction())
        action_->setText(caption); // a title on the bar is never a separator
    else
        showCaption(caption);
}

// A separator is a bar without text: styles draw a separator's text beside
// the bar, which would show a stray "-".
void Menu::showCaption(const QString& caption)
{
    const bool separator = isSeparatorCaption(caption);
    action_->setSeparator(separator);
    action_->setText(separator ? QString() : caption);
}

bool Menu::enabled() const
{
    return enabled_;
}

void Menu::setEnabled(bool enabled)
{
    enabled_ = enabled;
    action_->setEnabled(enabled);
}

void Menu::setChecked(bool checked)
{
    checked_ = checked;
    showCheck();
}

void Menu::showCheck()
{
    // Only a checked item is checkable: some styles draw an empty box beside
    // every checkable item, which the windows' menus do not show.
    action_->setCheckable(checked_);
    action_->setChecked(checked_);
}

bool Menu::visible() const
{
    return action_->isVisible();
}

void Menu::setVisible(bool visible)
{
    action_->setVisible(visible);
}

QKeySequence Menu::shortcut() const
{
    return action_->shortcut();
}

void Menu::setShortcut(const QKeySequence& keys)
{
    action_->setShortcut(keys);
}

bool Menu::isSeparator() const
{
    return action_->isSeparator();
}

void Menu::trigger()
{
    if (!enabled() || !visible())
        return;
    if (menu_)
        emit click();
    else
        action_->trigger();
}

void Menu::popup(const QPoint& globalPos)
{
    submenu()->exec(globalPos);
}

} // namespace forms
