#pragma once

#include "platform/com/Dispatch.h"
#include "platform/com/Object.h"

#include <cstdint>
#include <map>

namespace com {

// Where a container attaches the sink that receives one kind of a control's
// events.
struct ConnectionPoint : Unknown {
    static constexpr Guid iid{0xB196B286, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};

    // The event interface the sinks of this point receive.
    virtual Result eventInterface(Guid* out) = 0;
    // The sink must offer Dispatch; the cookie gives it back to unadvise.
    virtual Result advise(Unknown* sink, std::uint32_t* cookie) = 0;
    virtual Result unadvise(std::uint32_t cookie) = 0;

protected:
    ~ConnectionPoint() = default;
};

struct ConnectionPointContainer : Unknown {
    static constexpr Guid iid{0xB196B284, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};

    virtual Result findConnectionPoint(const Guid& eventInterface, ConnectionPoint** out) = 0;

protected:
    ~ConnectionPointContainer() = default;
};

// A control's connection point: it keeps the sinks and fires an event at
// each of them in the order they were attached. A sink may detach itself
// (or another) while an event is fired; the firing goes on with the sinks
// that were attached when it began.
class EventSource final : public Object<ConnectionPoint> {
public:
    explicit EventSource(const Guid& eventInterface) : eventInterface_(eventInterface) {}

    Result eventInterface(Guid* out) override;
    Result advise(Unknown* sink, std::uint32_t* cookie) override;
    Result unadvise(std::uint32_t cookie) override;

    // Calls the event on every sink; a sink may write back into the
    // arguments (those the event passes by reference). Sinks' failures are
    // theirs: the firing goes on.
    void fire(DispId event, std::span<Variant> args = {});
    std::size_t sinkCount() const { return sinks_.size(); }

private:
    Guid eventInterface_;
    std::map<std::uint32_t, Ptr<Dispatch>> sinks_;
    std::uint32_t nextCookie_ = 1;
};

} // namespace com
