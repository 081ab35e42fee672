#pragma once

#include "platform/com/EventSink.h"
#include "platform/com/Guid.h"

#include <functional>

namespace hosting {

class ControlHost;

// A window's answer to the events of a control it hosts. Only Click is
// answered; every other event the control fires is let pass. The window
// keeps this beside the place and lets go of it before the place goes, so
// no event reaches a window that is being torn down.
class ControlEvents {
public:
    ControlEvents() = default;
    ControlEvents(const ControlEvents&) = delete;
    ControlEvents& operator=(const ControlEvents&) = delete;
    ~ControlEvents() { detach(); }

    // Listens to the control the place holds; false when the place is
    // empty or the control offers no such events (the window then goes on
    // without them).
    bool attach(ControlHost& host, const com::Guid& eventInterface, std::function<void()> onClick);
    void detach();

private:
    com::Ptr<com::EventSink> sink_;
};

} // namespace hosting
