#include "platform/forms/ToolButton.h"

#include "platform/core/Errors.h"
#include "platform/forms/Toolbar.h"

#include <QAction>

namespace forms {

ToolButton::ToolButton(Toolbar* bar, const QString& key, Style style, int group)
    : QObject(bar), bar_(bar), action_(new QAction(this)), key_(key), style_(style), group_(group)
{
    action_->setSeparator(style == Separator);
    // A plain button is a push button to the user and to a screen reader;
    // it shows as pressed only while the window holds it down.
    action_->setCheckable(style == Check || style == ButtonGroup);
    connect(action_, &QAction::triggered, this, &ToolButton::onTriggered);
    updateText();
}

int ToolButton::index() const
{
    return bar_->indexOf(this);
}

QString ToolButton::caption() const
{
    return caption_;
}

void ToolButton::setCaption(const QString& caption)
{
    caption_ = caption;
    updateText();
}

void ToolButton::updateText()
{
    // An icon-only button still needs a text for assistive tools.
    action_->setText(!caption_.isEmpty() ? caption_ : (!tooltip_.isEmpty() ? tooltip_ : key_));
}

QString ToolButton::toolTipText() const
{
    return tooltip_;
}

void ToolButton::setToolTipText(const QString& tip)
{
    tooltip_ = tip;
    action_->setToolTip(tip);
    updateText();
}

bool ToolButton::visible() const
{
    return action_->isVisible();
}

void ToolButton::setVisible(bool visible)
{
    action_->setVisible(visible);
}

bool ToolButton::enabled() const
{
    return enabled_;
}

void ToolButton::setEnabled(bool enabled)
{
    enabled_ = enabled;
    action_->setEnabled(enabled);
}

void ToolButton::setValue(int value)
{
    if (value != 0 && value != 1)
        throw platform::errors::invalidPropertyValue();
    value_ = value;
    if (value_ == 1 && style_ == ButtonGroup)
        bar_->releaseGroup(group_, this);
    showValue();
}

void ToolButton::showValue()
{
    if (style_ == Default)
        action_->setCheckable(value_ == 1);
    action_->setChecked(value_ == 1);
}

void ToolButton::setImage(int imageListIndex)
{
    image_ = imageListIndex;
    action_->setIcon(bar_->imageAt(imageListIndex));
}

void ToolButton::setImage(const QIcon& icon)
{
    image_ = 0;
    action_->setIcon(icon);
}

void ToolButton::click()
{
    if (style_ != Separator && visible() && enabled())
        action_->trigger();
}

void ToolButton::onTriggered()
{
    switch (style_) {
    case Check:
        value_ = value_ ? 0 : 1;
        break;
    case ButtonGroup:
        value_ = 1;
        bar_->releaseGroup(group_, this);
        break;
    default:
        break; // a plain button keeps the state the window gave it
    }
    showValue();
    emit bar_->buttonClick(key_);
}

} // namespace forms
