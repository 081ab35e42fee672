#pragma once

#include <QAccessible>
#include <QObject>

namespace forms {

// Tells assistive technology to describe every widget of type W through the
// interface A (constructed from a W*); Qt's accessibility cache owns each
// interface it makes.
template <class W, class A>
void installAccessibleFactory()
{
    QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
        auto* widget = qobject_cast<W*>(object);
        return widget ? new A(widget) : nullptr;
    });
}

} // namespace forms
