#include "platform/forms/Hourglass.h"

#include <QCursor>
#include <QGuiApplication>

namespace forms {

void setHourglass()
{
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void restorePointer()
{
    // Also clears a cursor some other code stacked, so the pointer is never stuck.
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

bool hourglassShown()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

Hourglass::Hourglass() : wasShown_(hourglassShown())
{
    setHourglass();
}

Hourglass::~Hourglass()
{
    if (!wasShown_)
        restorePointer();
}

} // namespace forms
