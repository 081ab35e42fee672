#pragma once

#include <QAccessibleWidget>

namespace controls {

class ControlWindow;
class HostedControl;

// What a screen reader is told of a control's window: the role and text the
// control gives, and for a control that holds text, that text with its
// caret and selection.
class ControlAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    ControlAccessible(QWidget* window, HostedControl& control);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override;
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    HostedControl& control_;
};

// The windows of this library's controls answer screen readers while any
// of them exists.
void addAccessibleWindow(ControlWindow* window);
void removeAccessibleWindow(ControlWindow* window);

// What the controls announce goes to the screen reader when one listens,
// and to this listener besides (the tests hear it where no screen reader
// can run); nullptr to stop.
using AccessibleListener = void (*)(QAccessibleEvent* event);
void setAccessibleListener(AccessibleListener listener);
// Whether an announcement would reach anyone.
bool accessibleAnnouncementsHeard();
void announce(QAccessibleEvent& event);

} // namespace controls
