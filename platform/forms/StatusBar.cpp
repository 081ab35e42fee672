#include "platform/forms/StatusBar.h"

#include "platform/core/Errors.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace forms {

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
}

Panel* StatusBar::addPanel(const QString& key, const QString& text, const QString& toolTipText, int stretch)
{
    if (!key.isEmpty() && hasPanel(key))
        throw platform::errors::keyNotUnique();
    auto* panel = new Panel(this, key);
    panel->setText(text);
    panel->setToolTipText(toolTipText);
    panel->label()->installEventFilter(this);
    // Permanent widgets stay put when Qt shows a temporary message.
    addPermanentWidget(panel->label(), stretch);
    panels_.append(panel);
    return panel;
}

bool StatusBar::hasPanel(const QString& key) const
{
    for (const Panel* panel : panels_) {
        if (!panel->key().isEmpty() && panel->key().compare(key, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

Panel* StatusBar::panel(const QString& key) const
{
    for (Panel* panel : panels_) {
        if (!panel->key().isEmpty() && panel->key().compare(key, Qt::CaseInsensitive) == 0)
            return panel;
    }
    throw platform::errors::elementNotFound();
}

Panel* StatusBar::panel(int index) const
{
    if (index < 1 || index > panels_.size())
        throw platform::errors::indexOutOfBounds();
    return panels_[index - 1];
}

int StatusBar::indexOf(const Panel* panel) const
{
    return int(panels_.indexOf(const_cast<Panel*>(panel))) + 1;
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<QLabel*>(watched);
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            for (const Panel* panel : panels_) {
                if (panel->label() == watched) {
                    emit panelClick(panel->index());
                    break;
                }
            }
        }
    }
    return QStatusBar::eventFilter(watched, event);
}

} // namespace forms
