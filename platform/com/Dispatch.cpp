#include "platform/com/Dispatch.h"

namespace com {

namespace {

Result invokeByName(Dispatch* target, const QString& name, InvokeKind kind, std::span<Variant> args, Variant* result,
                    ErrorInfo* info)
{
    if (!target)
        return kNullPointer;
    DispId id = kDispIdUnknown;
    if (const Result r = target->idOfName(name, &id); failed(r))
        return r;
    return target->invoke(id, kind, args, result, info);
}

} // namespace

Result getProperty(Dispatch* target, const QString& name, Variant* value, ErrorInfo* info)
{
    return invokeByName(target, name, InvokeKind::Get, {}, value, info);
}

Result putProperty(Dispatch* target, const QString& name, const Variant& value, ErrorInfo* info)
{
    Variant argument = value;
    return invokeByName(target, name, InvokeKind::Put, std::span<Variant>(&argument, 1), nullptr, info);
}

Result callMethod(Dispatch* target, const QString& name, std::span<Variant> args, Variant* result, ErrorInfo* info)
{
    return invokeByName(target, name, InvokeKind::Method, args, result, info);
}

} // namespace com
