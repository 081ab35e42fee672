#include "platform/forms/Toolbar.h"

#include "platform/core/Errors.h"

#include <QAction>

namespace forms {

Toolbar::Toolbar(QWidget* parent) : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

QIcon Toolbar::imageAt(int number) const
{
    return (number >= 1 && number <= images_.size()) ? images_[number - 1] : QIcon();
}

ToolButton* Toolbar::append(const QString& key, ToolButton::Style style)
{
    // Neighbouring ButtonGroup buttons form one group; any other button ends it.
    const bool grouped = style == ToolButton::ButtonGroup;
    if (grouped && !lastWasGroup_)
        ++nextGroup_;
    lastWasGroup_ = grouped;
    auto* button = new ToolButton(this, key, style, grouped ? nextGroup_ : 0);
    buttons_.append(button);
    addAction(button->action());
    return button;
}

ToolButton* Toolbar::addButton(const QString& key, const QString& toolTipText, int image, ToolButton::Style style)
{
    if (!key.isEmpty() && hasButton(key))
        throw platform::errors::keyNotUnique();
    ToolButton* button = append(key, style);
    button->setToolTipText(toolTipText);
    if (image > 0)
        button->setImage(image);
    return button;
}

ToolButton* Toolbar::addSeparator()
{
    return append(QString(), ToolButton::Separator);
}

bool Toolbar::hasButton(const QString& key) const
{
    for (const ToolButton* button : buttons_) {
        if (!button->key().isEmpty() && button->key().compare(key, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

ToolButton* Toolbar::button(const QString& key) const
{
    for (ToolButton* button : buttons_) {
        if (!button->key().isEmpty() && button->key().compare(key, Qt::CaseInsensitive) == 0)
            return button;
    }
    throw platform::errors::elementNotFound();
}

ToolButton* Toolbar::button(int index) const
{
    if (index < 1 || index > buttons_.size())
        throw platform::errors::indexOutOfBounds();
    return buttons_[index - 1];
}

int Toolbar::indexOf(const ToolButton* button) const
{
    return int(buttons_.indexOf(const_cast<ToolButton*>(button))) + 1;
}

void Toolbar::releaseGroup(int group, const ToolButton* except)
{
    for (ToolButton* button : buttons_) {
        if (button != except && button->group_ == group && button->value_ != 0) {
            button->value_ = 0;
            button->showValue();
        }
    }
}

} // namespace forms
