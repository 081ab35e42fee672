#include "controls/base/ControlAccessible.h"

#include "controls/base/ControlWindow.h"
#include "controls/base/HostedControl.h"

#include <set>

namespace controls {

namespace {

// The windows this library made; the factory answers for those alone, so
// each control library answers for its own controls.
std::set<QObject*>& accessibleWindows()
{
    static std::set<QObject*> windows;
    return windows;
}

AccessibleListener listener = nullptr;

QAccessibleInterface* accessibleFactory(const QString&, QObject* object)
{
    if (!accessibleWindows().contains(object))
        return nullptr;
    auto* window = static_cast<ControlWindow*>(object);
    return new ControlAccessible(window, window->control());
}

} // namespace

void addAccessibleWindow(ControlWindow* window)
{
    if (accessibleWindows().empty())
        QAccessible::installFactory(accessibleFactory);
    accessibleWindows().insert(window);
}

void removeAccessibleWindow(ControlWindow* window)
{
    accessibleWindows().erase(window);
    // Gone with the last window, before the library can be unloaded.
    if (accessibleWindows().empty())
        QAccessible::removeFactory(accessibleFactory);
}

void setAccessibleListener(AccessibleListener given)
{
    listener = given;
}

bool accessibleAnnouncementsHeard()
{
    return listener || QAccessible::isActive();
}

void announce(QAccessibleEvent& event)
{
    if (listener)
        listener(&event);
    QAccessible::updateAccessibility(&event);
}

ControlAccessible::ControlAccessible(QWidget* window, HostedControl& control)
    : QAccessibleWidget(window, control.accessibleRole()), control_(control)
{}

QAccessible::Role ControlAccessible::role() const
{
    return control_.accessibleRole();
}

QAccessible::State ControlAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (const auto text = control_.accessibleText()) {
        state.editable = !text->readOnly;
        state.readOnly = text->readOnly;
        state.selectableText = true;
    }
    return state;
}

QString ControlAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value) {
        if (const auto text = control_.accessibleText())
            return text->text;
    }
    QString said = QAccessibleWidget::text(kind);
    if (kind == QAccessible::Name && said.isEmpty())
        said = control_.ambientDisplayName();
    return said;
}

void* ControlAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface && control_.accessibleText())
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void ControlAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    const auto text = control_.accessibleText();
    if (selectionIndex != 0 || !text || text->selectionStart == text->selectionEnd)
        return;
    *startOffset = text->selectionStart;
    *endOffset = text->selectionEnd;
}

int ControlAccessible::selectionCount() const
{
    const auto text = control_.accessibleText();
    return text && text->selectionStart != text->selectionEnd ? 1 : 0;
}

int ControlAccessible::cursorPosition() const
{
    const auto text = control_.accessibleText();
    return text ? text->caret : 0;
}

QString ControlAccessible::text(int startOffset, int endOffset) const
{
    const auto text = control_.accessibleText();
    if (!text || startOffset < 0 || endOffset < startOffset)
        return {};
    return text->text.mid(startOffset, endOffset - startOffset);
}

int ControlAccessible::characterCount() const
{
    const auto text = control_.accessibleText();
    return text ? int(text->text.size()) : 0;
}

QString ControlAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = offset;
    return {};
}

} // namespace controls
