#pragma once

#include <QAccessibleWidget>

namespace forms {

class Label;

// Presents the program's labels to assistive tools. A label that the
// program answers clicks on (a flat label button, an answer's caption, a
// colour swatch) is a push button whose Press action clicks it; any other
// is static text. Which it is is asked each time, as a window may connect
// its click after the label was first presented.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label* label);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    Label* label() const;
};

// Registers the interface with Qt's accessibility; repeated calls are harmless.
void installLabelAccessibility();

} // namespace forms
