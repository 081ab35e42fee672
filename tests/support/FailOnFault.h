#pragma once

#include "platform/core/Fault.h"

namespace testsupport {

// While it lives, a programming fault that a window step or the event loop
// catches fails the running test with the fault's place and text, instead of
// being skipped like an error the step expects.
class FailOnFault {
public:
    FailOnFault();

private:
    platform::ScopedFaultHandler handler_;
};

} // namespace testsupport
