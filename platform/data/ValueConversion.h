#pragma once

#include <QVariant>

namespace data {

// The value a field of `fieldType` stores when `value` is written into it.
// Text written into a number field becomes the number (blank text becomes
// Null); text that is not a number is error 3421. Numbers written into a
// text field become their decimal digits.
QVariant toStoredValue(const QVariant& value, int fieldType);

// How a stored value reads in a text box: Null reads as the empty text.
QString displayText(const QVariant& value);

} // namespace data
