#pragma once

#include "platform/com/AutomationError.h"
#include "platform/com/Dispatch.h"

#include <QString>

#include <span>

namespace com {

// One member of a class's dispatch interface: a property has a getter and,
// unless it is read-only, a setter; a method has a call.
template <class T>
struct Member {
    DispId id;
    const char* name;
    Variant (*get)(T&) = nullptr;
    void (*put)(T&, const Variant&) = nullptr;
    Variant (*call)(T&, std::span<Variant>) = nullptr;
};

// A class's members, one static table; lookups by name ignore case.
template <class T>
class DispatchTable {
public:
    constexpr explicit DispatchTable(std::span<const Member<T>> members) : members_(members) {}

    std::span<const Member<T>> members() const { return members_; }

    Result idOfName(const QString& name, DispId* id) const
    {
        if (!id)
            return kNullPointer;
        for (const Member<T>& member : members_) {
            if (name.compare(QLatin1String(member.name), Qt::CaseInsensitive) == 0) {
                *id = member.id;
                return kOk;
            }
        }
        *id = kDispIdUnknown;
        return kUnknownName;
    }

    const Member<T>* find(DispId id) const
    {
        for (const Member<T>& member : members_)
            if (member.id == id)
                return &member;
        return nullptr;
    }

    Result invoke(T& self, DispId id, InvokeKind kind, std::span<Variant> args, Variant* result,
                  ErrorInfo* info) const noexcept
    {
        return guarded(
            [&]() -> Result {
                const Member<T>* member = find(id);
                if (!member)
                    return kMemberNotFound;
                switch (kind) {
                case InvokeKind::Put:
                    if (!member->put)
                        return kMemberNotFound;
                    if (args.size() != 1)
                        return kBadArgumentCount;
                    member->put(self, args[0]);
                    return kOk;
                case InvokeKind::Get:
                case InvokeKind::Method:
                    if (member->call) {
                        Variant value = member->call(self, args);
                        if (result)
                            *result = value;
                        return kOk;
                    }
                    if (!member->get)
                        return kMemberNotFound;
                    if (!args.empty())
                        return kBadArgumentCount;
                    if (result)
                        *result = member->get(self);
                    else
                        member->get(self);
                    return kOk;
                }
                return kMemberNotFound;
            },
            info);
    }

private:
    std::span<const Member<T>> members_;
};

// Argument conversions for setters: a value of the wrong kind or out of the
// kind's range is refused with the conversion's own result.
inline std::int16_t argI2(const Variant& value)
{
    std::int16_t out = 0;
    if (const Result r = value.toI2(&out); failed(r))
        throw AutomationError{r, {}, 0};
    return out;
}

inline std::int32_t argI4(const Variant& value)
{
    std::int32_t out = 0;
    if (const Result r = value.toI4(&out); failed(r))
        throw AutomationError{r, {}, 0};
    return out;
}

inline float argR4(const Variant& value)
{
    float out = 0;
    if (const Result r = value.toR4(&out); failed(r))
        throw AutomationError{r, {}, 0};
    return out;
}

inline bool argBool(const Variant& value)
{
    bool out = false;
    if (const Result r = value.toBool(&out); failed(r))
        throw AutomationError{r, {}, 0};
    return out;
}

inline QString argText(const Variant& value)
{
    QString out;
    if (const Result r = value.toText(&out); failed(r))
        throw AutomationError{r, {}, 0};
    return out;
}

} // namespace com
