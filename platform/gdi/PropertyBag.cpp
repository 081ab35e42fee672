#include "platform/gdi/PropertyBag.h"

namespace gdi {

QVariant PropertyBag::readProperty(const QString& name, const QVariant& defaultValue) const
{
    return values_.value(name, defaultValue);
}

void PropertyBag::writeProperty(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    // A value equal to its default is left out, and a stale stored value with it.
    if (defaultValue.isValid() ? value == defaultValue : !value.isValid())
        values_.remove(name);
    else
        values_.insert(name, value);
}

} // namespace gdi
