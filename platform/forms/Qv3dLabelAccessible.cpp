#include "platform/forms/Qv3dLabelAccessible.h"

#include "platform/forms/AccessibleFactory.h"
#include "platform/forms/Qv3dLabel.h"

namespace forms {

Qv3dLabelAccessible::Qv3dLabelAccessible(Qv3dLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

Qv3dLabel* Qv3dLabelAccessible::label() const
{
    return static_cast<Qv3dLabel*>(widget());
}

// The held-down look (no bevel) is what the windows show while pressed.
QAccessible::State Qv3dLabelAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = label()->bevelStyleInner() == Qv3dLabel::BevelNone;
    return state;
}

QStringList Qv3dLabelAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (label()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void Qv3dLabelAccessible::doAction(const QString& actionName)
{
    // The press runs from the event loop, as a button's click does: a step
    // that opens a box must not hold the reader's call until the box closes.
    if (actionName == pressAction())
        QMetaObject::invokeMethod(label(), &Qv3dLabel::press, Qt::QueuedConnection);
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList Qv3dLabelAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction())
        return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void installQv3dLabelAccessibility()
{
    installAccessibleFactory<Qv3dLabel, Qv3dLabelAccessible>();
}

} // namespace forms
