#include "platform/hosting/ControlEvents.h"

#include "platform/hosting/ControlHost.h"

namespace hosting {

namespace {

// The id every control gives its Click event.
constexpr com::DispId clickEvent = -600;

} // namespace

bool ControlEvents::attach(ControlHost& host, const com::Guid& eventInterface, std::function<void()> onClick)
{
    detach();
    if (!host.object())
        return false;
    sink_ = com::EventSink::attach(host.object(), eventInterface,
                                   [onClick = std::move(onClick)](com::DispId event, std::span<com::Variant>) {
                                       if (event == clickEvent && onClick)
                                           onClick();
                                   });
    return bool(sink_);
}

void ControlEvents::detach()
{
    if (sink_)
        sink_->detach();
    sink_.reset();
}

} // namespace hosting
