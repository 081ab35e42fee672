#pragma once

#include "platform/forms/Appearance.h"

#include <QCheckBox>

namespace forms {

// value: 0 unchecked, 1 checked, 2 grayed (set only by code; a click
// toggles between 0 and 1). click() runs on every change of the value, by
// the user or by code. (click() hides QAbstractButton::click().)
class CheckBox : public QCheckBox, public Appearance<CheckBox> {
    Q_OBJECT
public:
    enum Value { Unchecked = 0, Checked = 1, Grayed = 2 };

    explicit CheckBox(QWidget* parent = nullptr, const QString& caption = {});

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

    int value() const;
    void setValue(int value); // throws 380 outside 0..2

signals:
    void click();

protected:
    void nextCheckState() override;
};

} // namespace forms
