#include "platform/forms/Panel.h"

#include "platform/forms/StatusBar.h"
#include "platform/forms/Twips.h"

#include <QLabel>

namespace forms {

Panel::Panel(StatusBar* bar, const QString& key) : QObject(bar), bar_(bar), label_(new QLabel(bar)), key_(key)
{
    label_->setTextFormat(Qt::PlainText);
    label_->setFrameShape(QFrame::StyledPanel);
    label_->setFrameShadow(QFrame::Sunken);
}

int Panel::index() const
{
    return bar_->indexOf(this);
}

QString Panel::text() const
{
    return label_->text();
}

// A panel is named by its role (its tip or its own accessible name), so the
// text it shows is its description, kept in step with it; setting the
// description announces the change, so a screen reader hears "Memory
// Cleared" as it appears. An unchanged text announces nothing.
void Panel::setText(const QString& text)
{
    if (text == label_->text())
        return;
    label_->setText(text);
    label_->setAccessibleDescription(text);
}

QString Panel::toolTipText() const
{
    return label_->toolTip();
}

void Panel::setToolTipText(const QString& tip)
{
    label_->setToolTip(tip);
    label_->setAccessibleName(tip.isEmpty() ? key_ : tip);
}

bool Panel::visible() const
{
    return !label_->isHidden();
}

void Panel::setVisible(bool visible)
{
    label_->setVisible(visible);
}

int Panel::minWidth() const
{
    return toTwips(label_->minimumWidth());
}

void Panel::setMinWidth(int twips)
{
    label_->setMinimumWidth(toPixels(twips));
}

} // namespace forms
