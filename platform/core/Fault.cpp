#include "platform/core/Fault.h"

#include "platform/core/Log.h"

#include <QDebug>

#include <exception>

namespace platform {

namespace {
// The one handler of the process; faults are rare enough that nothing but
// the installing RAII guards touches it.
FaultHandler& installed()
{
    static FaultHandler handler;
    return handler;
}
} // namespace

void reportFault(const QString& where, const QString& what)
{
    // A copy, so a handler that installs another while it runs stays alive.
    const FaultHandler handler = installed();
    if (handler)
        handler(where, what);
    else
        qCCritical(coreLog).noquote() << "Programming fault in" << where << ':' << what;
}

QString reportCurrentException(const QString& where)
{
    QString what;
    try {
        throw;
    } catch (const std::exception& exception) {
        what = QString::fromLocal8Bit(exception.what());
    } catch (...) {
        what = QStringLiteral("an exception of unknown type");
    }
    reportFault(where, what);
    return what;
}

FaultHandler setFaultHandler(FaultHandler handler)
{
    FaultHandler previous = std::move(installed());
    installed() = std::move(handler);
    return previous;
}

} // namespace platform
