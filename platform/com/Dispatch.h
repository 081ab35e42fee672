#pragma once

#include "platform/com/Unknown.h"
#include "platform/com/Variant.h"

#include <QString>

#include <cstdint>
#include <span>

namespace com {

using DispId = std::int32_t;

// Dispatch ids every control shares.
inline constexpr DispId kDispIdValue = 0;
inline constexpr DispId kDispIdUnknown = -1;

enum class InvokeKind { Method = 1, Get = 2, Put = 4 };

// What a failed call tells its caller, beyond its result: the error the
// member raised, its text and its help context.
struct ErrorInfo {
    Result code = kOk;
    QString source;
    QString description;
    int helpContext = 0;
};

// Members by name and by number. Arguments are passed first to last; a sink
// may write back into an argument passed by reference.
struct Dispatch : Unknown {
    static constexpr Guid iid{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

    // The id of a member; the name matches without regard to case.
    virtual Result idOfName(const QString& name, DispId* id) = 0;
    // kException with the member's error in info when the member raised one.
    virtual Result invoke(DispId id, InvokeKind kind, std::span<Variant> args, Variant* result, ErrorInfo* info) = 0;

protected:
    ~Dispatch() = default;
};

// Convenience for callers: a property read, a property write, a method call
// by name.
Result getProperty(Dispatch* target, const QString& name, Variant* value, ErrorInfo* info = nullptr);
Result putProperty(Dispatch* target, const QString& name, const Variant& value, ErrorInfo* info = nullptr);
Result callMethod(Dispatch* target, const QString& name, std::span<Variant> args, Variant* result = nullptr,
                  ErrorInfo* info = nullptr);

} // namespace com
