#pragma once

#include <QAccessibleWidget>

namespace forms {

class Qv3dLabel;

// Presents a 3-D label button to assistive tools as a push button whose
// Press action presses it as the keyboard does.
class Qv3dLabelAccessible : public QAccessibleWidget {
public:
    explicit Qv3dLabelAccessible(Qv3dLabel* label);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    Qv3dLabel* label() const;
};

// Registers the interface with Qt's accessibility; repeated calls are harmless.
void installQv3dLabelAccessibility();

} // namespace forms
