#include "controls/optionbutton/DispatchByName.h"

namespace qv3dopt {

using namespace com;

bool DispatchByName::read(Dispatch* object, const char* name, Variant* value)
{
    last_ = object ? getProperty(object, QString::fromLatin1(name), value) : kNullPointer;
    return com::succeeded(last_);
}

void DispatchByName::write(Dispatch* object, const char* name, const Variant& value)
{
    last_ = object ? putProperty(object, QString::fromLatin1(name), value) : kNullPointer;
}

std::int16_t DispatchByName::GetDispShort(Dispatch* object, const char* name)
{
    Variant value;
    std::int16_t out = -1;
    if (!read(object, name, &value) || failed(last_ = value.toI2(&out)))
        return -1;
    return out;
}

bool DispatchByName::GetDispBool(Dispatch* object, const char* name)
{
    Variant value;
    bool out = false;
    if (!read(object, name, &value) || failed(last_ = value.toBool(&out)))
        return false;
    return out;
}

std::int32_t DispatchByName::GetDispLong(Dispatch* object, const char* name)
{
    Variant value;
    std::int32_t out = -1;
    if (!read(object, name, &value) || failed(last_ = value.toI4(&out)))
        return -1;
    return out;
}

void DispatchByName::PutDispShort(Dispatch* object, const char* name, std::int16_t value)
{
    write(object, name, Variant::i2(value));
}

void DispatchByName::PutDispBool(Dispatch* object, const char* name, bool value)
{
    write(object, name, Variant::boolean(value));
}

} // namespace qv3dopt
