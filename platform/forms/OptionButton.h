#pragma once

#include "platform/forms/Appearance.h"

#include <QRadioButton>

namespace forms {

// One choice of a group: the option buttons with the same parent (the window
// or a frame) exclude each other. click() runs whenever the button becomes
// selected, by the user or by setValue(true); selecting a selected button and
// clearing one run nothing. (click() hides QAbstractButton::click().)
class OptionButton : public QRadioButton, public Appearance<OptionButton> {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr, const QString& caption = {});

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

    bool value() const { return isChecked(); }
    // false clears the button and leaves the group with no selection.
    void setValue(bool selected);

signals:
    void click();
};

} // namespace forms
