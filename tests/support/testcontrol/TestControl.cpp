// A control library of two small classes, loaded by the component tests the
// way the program loads its controls: by class id, through the store.
#include "support/testcontrol/TestClasses.h"

#include "platform/com/ConnectionPoint.h"
#include "platform/com/DispatchTable.h"
#include "platform/com/server/Server.h"

#include <stdexcept>

namespace {

using namespace com;
using namespace testcontrol;

class Counter : public Object<Dispatch, ConnectionPointContainer> {
public:
    Counter() : events_(make<EventSource>(counterEvents)) {}

    Result idOfName(const QString& name, DispId* id) override { return table().idOfName(name, id); }
    Result invoke(DispId id, InvokeKind kind, std::span<Variant> args, Variant* result, ErrorInfo* info) override
    {
        return table().invoke(*this, id, kind, args, result, info);
    }
    Result findConnectionPoint(const Guid& eventInterface, ConnectionPoint** out) override
    {
        if (!out)
            return kNullPointer;
        *out = nullptr;
        if (eventInterface != counterEvents)
            return kNoConnection;
        events_->addRef();
        *out = events_.get();
        return kOk;
    }

private:
    void setValue(std::int16_t value)
    {
        if (value < 0 || value > 100)
            throw AutomationError{automationError(380), QStringLiteral("Invalid property value"), -1};
        value_ = value;
    }

    void step(std::int16_t by)
    {
        setValue(std::int16_t(value_ + by));
        Variant changed = Variant::i2(value_);
        events_->fire(eventChanged, std::span<Variant>(&changed, 1));
        setValue(argI2(changed));
    }

    static const DispatchTable<Counter>& table()
    {
        static const Member<Counter> members[] = {
            {dispValue, "Value", [](Counter& c) { return Variant::i2(c.value_); },
             [](Counter& c, const Variant& v) { c.setValue(argI2(v)); }},
            {dispCaption, "Caption", [](Counter& c) { return Variant::string(c.caption_); },
             [](Counter& c, const Variant& v) { c.caption_ = argText(v); }},
            {dispStep, "Step", nullptr, nullptr,
             [](Counter& c, std::span<Variant> args) {
                 if (args.size() != 1)
                     throw AutomationError{kBadArgumentCount, {}, 0};
                 c.step(argI2(args[0]));
                 return Variant();
             }},
            {dispFail, "Fail", nullptr, nullptr,
             [](Counter&, std::span<Variant>) -> Variant { throw std::runtime_error("the counter failed"); }},
        };
        static const DispatchTable<Counter> table{members};
        return table;
    }

    Ptr<EventSource> events_;
    std::int16_t value_ = 0;
    QString caption_;
};

// A class whose every object fails to be made.
class Refuser : public Object<Dispatch> {
public:
    Refuser() { throw std::runtime_error("refused"); }
    Result idOfName(const QString&, DispId*) override { return kUnknownName; }
    Result invoke(DispId, InvokeKind, std::span<Variant>, Variant*, ErrorInfo*) override { return kMemberNotFound; }
};

} // namespace

namespace com::server {

std::span<const ServerClass> serverClasses()
{
    static const ServerClass classes[] = {
        {counterClass, counterProgId, "Counter Test Control", 0x20191, true, nullptr, nullptr,
         &createObject<Counter>},
        {refuserClass, "DrillbookTest.Refuser.1", "Refuser Test Class", 0, false, nullptr, nullptr,
         &createObject<Refuser>},
    };
    return classes;
}

} // namespace com::server
