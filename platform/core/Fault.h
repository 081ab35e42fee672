#pragma once

#include <QString>

#include <functional>

namespace platform {

// A programming fault: an exception the program never raises on purpose
// (anything but a RuntimeError) caught where a step goes on regardless. It is
// handed to the current fault handler - the running program shows it to the
// user, a test fails - and the step treats it as a failed statement.
using FaultHandler = std::function<void(const QString& where, const QString& what)>;

// Hands the fault to the current handler; with none installed it is logged.
void reportFault(const QString& where, const QString& what);

// Reports the exception being handled and returns the text it reported;
// call it only inside a catch block.
QString reportCurrentException(const QString& where);

// Installs handler (an empty one restores the logging default) and returns
// the one it replaces.
FaultHandler setFaultHandler(FaultHandler handler);

// Installs a handler for its lifetime and puts the previous one back after.
class ScopedFaultHandler {
public:
    explicit ScopedFaultHandler(FaultHandler handler) : previous_(setFaultHandler(std::move(handler))) {}
    ~ScopedFaultHandler() { setFaultHandler(std::move(previous_)); }
    ScopedFaultHandler(const ScopedFaultHandler&) = delete;
    ScopedFaultHandler& operator=(const ScopedFaultHandler&) = delete;

private:
    FaultHandler previous_;
};

} // namespace platform
