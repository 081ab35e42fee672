#include "platform/com/Variant.h"

#include <cmath>
#include <limits>

namespace com {

namespace {

// Rounds half to even, as automation conversions of fractions do.
double roundForInteger(double value)
{
    return std::nearbyint(value);
}

} // namespace

Variant Variant::numeric(VarType type, double value)
{
    Variant v;
    v.type_ = type;
    v.number_ = value;
    return v;
}

Variant Variant::i2(std::int16_t value)
{
    return numeric(VarType::I2, value);
}
Variant Variant::i4(std::int32_t value)
{
    return numeric(VarType::I4, value);
}
Variant Variant::r4(float value)
{
    return numeric(VarType::R4, value);
}
Variant Variant::r8(double value)
{
    return numeric(VarType::R8, value);
}
Variant Variant::boolean(bool value)
{
    return numeric(VarType::Bool, value ? -1 : 0);
}

Variant Variant::string(const QString& value)
{
    Variant v;
    v.type_ = VarType::String;
    v.text_ = value;
    return v;
}
Variant Variant::object(Unknown* value, VarType kind)
{
    Variant v;
    v.type_ = kind == VarType::Dispatch ? VarType::Dispatch : VarType::Unknown;
    v.object_ = Ptr<Unknown>(value);
    return v;
}

Result Variant::toR8(double* out) const
{
    switch (type_) {
    case VarType::Empty:
        *out = 0;
        return kOk;
    case VarType::I2:
    case VarType::I4:
    case VarType::R4:
    case VarType::R8:
    case VarType::Bool:
        *out = number_;
        return kOk;
    case VarType::String: {
        bool ok = false;
        const double value = text_.trimmed().toDouble(&ok);
        if (!ok)
            return kTypeMismatch;
        *out = value;
        return kOk;
    }
    default:
        return kTypeMismatch;
    }
}

Result Variant::toI2(std::int16_t* out) const
{
    double value = 0;
    if (const Result r = toR8(&value); failed(r))
        return r;
    value = roundForInteger(value);
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return kOverflow;
    *out = std::int16_t(value);
    return kOk;
}

Result Variant::toI4(std::int32_t* out) const
{
    double value = 0;
    if (const Result r = toR8(&value); failed(r))
        return r;
    value = roundForInteger(value);
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return kOverflow;
    *out = std::int32_t(value);
    return kOk;
}

Result Variant::toR4(float* out) const
{
    double value = 0;
    if (const Result r = toR8(&value); failed(r))
        return r;
    if (std::fabs(value) > std::numeric_limits<float>::max())
        return kOverflow;
    *out = float(value);
    return kOk;
}

Result Variant::toBool(bool* out) const
{
    if (type_ == VarType::String) {
        const QString word = text_.trimmed();
        if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
            *out = true;
            return kOk;
        }
        if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
            *out = false;
            return kOk;
        }
    }
    double value = 0;
    if (const Result r = toR8(&value); failed(r))
        return r;
    *out = value != 0;
    return kOk;
}

Result Variant::toText(QString* out) const
{
    switch (type_) {
    case VarType::Empty:
        *out = QString();
        return kOk;
    case VarType::String:
        *out = text_;
        return kOk;
    case VarType::Bool:
        *out = number_ != 0 ? QStringLiteral("True") : QStringLiteral("False");
        return kOk;
    case VarType::I2:
    case VarType::I4:
        *out = QString::number(qint64(number_));
        return kOk;
    case VarType::R4:
        *out = QString::number(number_, 'g', 7);
        return kOk;
    case VarType::R8:
        *out = QString::number(number_, 'g', 15);
        return kOk;
    default:
        return kTypeMismatch;
    }
}

bool Variant::operator==(const Variant& other) const
{
    return type_ == other.type_ && number_ == other.number_ && text_ == other.text_
           && object_.get() == other.object_.get();
}

} // namespace com
