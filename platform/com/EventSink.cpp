#include "platform/com/EventSink.h"

namespace com {

Ptr<EventSink> EventSink::attach(Unknown* source, const Guid& eventInterface, Handler handler, Result* outcome)
{
    Result r = kNoInterface;
    Ptr<EventSink> sink;
    if (auto container = Ptr<ConnectionPointContainer>::query(source)) {
        Ptr<ConnectionPoint> point;
        r = container->findConnectionPoint(eventInterface, reinterpret_cast<ConnectionPoint**>(point.out()));
        if (succeeded(r)) {
            sink = Ptr<EventSink>(new EventSink(std::move(handler)));
            r = point->advise(sink->unknown(), &sink->cookie_);
            if (succeeded(r))
                sink->point_ = point;
            else
                sink.reset();
        }
    }
    if (outcome)
        *outcome = r;
    return sink;
}

void EventSink::detach()
{
    if (point_) {
        // Let go of the point before it lets go of us.
        Ptr<ConnectionPoint> point = std::move(point_);
        point->unadvise(std::exchange(cookie_, 0));
    }
}

Result EventSink::idOfName(const QString&, DispId* id)
{
    if (id)
        *id = kDispIdUnknown;
    return kUnknownName;
}

Result EventSink::invoke(DispId id, InvokeKind, std::span<Variant> args, Variant*, ErrorInfo*)
{
    if (handler_)
        handler_(id, args);
    return kOk;
}

} // namespace com
