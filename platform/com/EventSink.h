#pragma once

#include "platform/com/ConnectionPoint.h"

#include <functional>

namespace com {

// A container's end of a connection point: every event the control fires
// reaches the handler with its id and arguments (by-reference arguments may
// be written back). Attached for as long as the sink lives, or until detach.
class EventSink final : public Object<Dispatch> {
public:
    using Handler = std::function<void(DispId event, std::span<Variant> args)>;

    // Attaches a new sink to the source's point for the event interface;
    // nothing when the source offers no such point.
    static Ptr<EventSink> attach(Unknown* source, const Guid& eventInterface, Handler handler,
                                 Result* outcome = nullptr);
    void detach();

    Result idOfName(const QString& name, DispId* id) override;
    Result invoke(DispId id, InvokeKind kind, std::span<Variant> args, Variant* result, ErrorInfo* info) override;

private:
    explicit EventSink(Handler handler) : handler_(std::move(handler)) {}
    ~EventSink() override = default;

    Handler handler_;
    Ptr<ConnectionPoint> point_;
    std::uint32_t cookie_ = 0;
};

} // namespace com
