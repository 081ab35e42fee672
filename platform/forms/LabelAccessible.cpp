#include "platform/forms/LabelAccessible.h"

#include "platform/forms/AccessibleFactory.h"
#include "platform/forms/Captions.h"
#include "platform/forms/FlatButton.h"

namespace forms {

LabelAccessible::LabelAccessible(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

Label* LabelAccessible::label() const
{
    return static_cast<Label*>(widget());
}

QAccessible::Role LabelAccessible::role() const
{
    return label()->isClickable() ? QAccessible::Button : QAccessible::StaticText;
}

// Named by the window for its role, or else by the text it shows.
QString LabelAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        const QString name = label()->accessibleName();
        return name.isEmpty() ? label()->text() : name;
    }
    return QAccessibleWidget::text(t);
}

QStringList LabelAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (label()->isClickable() && label()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void LabelAccessible::doAction(const QString& actionName)
{
    // The press runs from the event loop, as a button's click does: a step
    // that opens a box must not hold the reader's call until the box closes.
    if (actionName == pressAction() && label()->isClickable() && label()->isEnabled())
        QMetaObject::invokeMethod(label(), &Label::press, Qt::QueuedConnection);
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList LabelAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction()) {
        if (const auto* button = qobject_cast<const FlatButton*>(label())) {
            const QKeySequence key = accessKeyOf(button->caption());
            if (!key.isEmpty())
                return {key.toString()};
        }
    }
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void installLabelAccessibility()
{
    installAccessibleFactory<Label, LabelAccessible>();
}

} // namespace forms
