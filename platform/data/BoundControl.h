#pragma once

#include <QString>
#include <QVariant>

namespace data {

// A control that shows one field of its data control's current row and hands
// back what the user or the code wrote into it. The data control asks
// dataChanged() before it leaves a row and stores boundValue() when set.
class BoundControl {
public:
    virtual ~BoundControl() = default;

    // The field this control shows, matched without regard to case.
    virtual QString dataField() const = 0;

    // Shows a stored value; a null value or no current row shows as empty.
    // Showing never marks the control as changed.
    virtual void showFieldValue(const QVariant& value) = 0;

    // The value to store: the control's text (or picture bytes).
    virtual QVariant boundValue() const = 0;

    // Set when the user or the code changed the value since it was shown.
    virtual bool dataChanged() const = 0;
    virtual void setDataChanged(bool changed) = 0;
};

} // namespace data
