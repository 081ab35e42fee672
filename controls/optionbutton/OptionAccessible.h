#pragma once

#include <QAccessibleWidget>

namespace qv3dopt {

class CQv3dOptionCtrl;

// What assistive technology is told of an option button: a radio button
// named by its caption (without the mnemonic's ampersand), checked while
// selected, with its mnemonic as the shortcut and a press that clicks it.
class OptionAccessible final : public QAccessibleWidget {
public:
    // The property that marks an option button's window.
    static constexpr const char* marker = "qv3dOptionButton";
    // The control behind each window, kept on the window.
    static constexpr const char* controlProperty = "qv3dOptionControl";

    explicit OptionAccessible(QWidget* window);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

private:
    CQv3dOptionCtrl* control() const;
};

// Makes option-button windows known to assistive technology; once per
// library, undone when the library is unloaded.
void installOptionAccessible();

} // namespace qv3dopt
