#pragma once

#include "platform/com/Result.h"
#include "platform/com/Unknown.h"

#include <QString>

#include <cstdint>

namespace com {

struct Dispatch;

// The kinds of value that cross a dispatch call; the numbers are the ones
// type descriptions and stored property bags use.
enum class VarType : std::uint16_t {
    Empty = 0,
    I2 = 2,
    I4 = 3,
    R4 = 4,
    R8 = 5,
    String = 8,
    Dispatch = 9,
    Bool = 11,
    Unknown = 13,
};

// One value of a dispatch call. Booleans are -1 and 0 as containers expect;
// text is Unicode at the boundary (a control keeps its own single-byte text
// inside). A variant passed as an event argument "by reference" is written
// back by the sink into the same slot.
class Variant {
public:
    Variant() = default;
    static Variant i2(std::int16_t value);
    static Variant i4(std::int32_t value);
    static Variant r4(float value);
    static Variant r8(double value);
    static Variant boolean(bool value);
    static Variant string(const QString& value);
    static Variant object(Unknown* value, VarType kind = VarType::Unknown);

    VarType type() const { return type_; }
    bool isEmpty() const { return type_ == VarType::Empty; }
    Unknown* object() const { return object_.get(); }

    // The value as another kind, by the usual rules: numbers convert with a
    // range check (kOverflow when it does not fit), text converts when it
    // reads as a number, anything else is kTypeMismatch.
    Result toI2(std::int16_t* out) const;
    Result toI4(std::int32_t* out) const;
    Result toR4(float* out) const;
    Result toR8(double* out) const;
    Result toBool(bool* out) const;
    Result toText(QString* out) const;

    bool operator==(const Variant& other) const;

private:
    // Every numeric kind keeps its value in number_.
    static Variant numeric(VarType type, double value);

    VarType type_ = VarType::Empty;
    double number_ = 0; // every numeric kind, exactly
    QString text_;
    Ptr<Unknown> object_;
};

} // namespace com
