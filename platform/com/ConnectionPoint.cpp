#include "platform/com/ConnectionPoint.h"

#include <vector>

namespace com {

Result EventSource::eventInterface(Guid* out)
{
    if (!out)
        return kNullPointer;
    *out = eventInterface_;
    return kOk;
}

Result EventSource::advise(Unknown* sink, std::uint32_t* cookie)
{
    if (!sink || !cookie)
        return kNullPointer;
    auto dispatch = Ptr<Dispatch>::query(sink);
    if (!dispatch)
        return kNoInterface;
    *cookie = nextCookie_++;
    sinks_.emplace(*cookie, std::move(dispatch));
    return kOk;
}

Result EventSource::unadvise(std::uint32_t cookie)
{
    return sinks_.erase(cookie) == 1 ? kOk : kNoConnection;
}

void EventSource::fire(DispId event, std::span<Variant> args)
{
    // Hold the sinks for the span of the firing, so one that detaches from
    // inside its handler stays alive until its call returns.
    std::vector<Ptr<Dispatch>> sinks;
    sinks.reserve(sinks_.size());
    for (const auto& entry : sinks_)
        sinks.push_back(entry.second);
    for (const Ptr<Dispatch>& sink : sinks)
        sink->invoke(event, InvokeKind::Method, args, nullptr, nullptr);
}

} // namespace com
