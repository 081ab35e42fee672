#pragma once

#include "platform/com/Picture.h"

#include <QByteArray>
#include <QFont>
#include <QSize>

#include <cstdint>

namespace controls {

// The longest text a control keeps, however it arrives: set, loaded or
// typed. Longer texts are cut to it.
inline constexpr qsizetype kMaxTextLength = 1024;

// One pass over a control's persisted properties, in the control's own
// order: the same routine saves, loads and resets. Each call names the
// property's key and the default it takes when nothing is stored. A call
// answers false once the source has failed; the property then keeps its
// default.
class PropExchange {
public:
    virtual ~PropExchange() = default;

    virtual bool isLoading() const = 0;
    virtual bool version(std::uint32_t& value, std::uint32_t current) = 0;
    virtual bool shortValue(const char* key, std::int16_t& value, std::int16_t fallback) = 0;
    virtual bool longValue(const char* key, std::int32_t& value, std::int32_t fallback) = 0;
    // Kept as the value given (any nonzero value is TRUE).
    virtual bool boolValue(const char* key, std::int32_t& value, std::int32_t fallback) = 0;
    virtual bool colorValue(const char* key, std::uint32_t& value, std::uint32_t fallback) = 0;
    virtual bool stringValue(const char* key, QByteArray& value, const QByteArray& fallback) = 0;
    // A picture that cannot be read is left empty, and the pass goes on.
    virtual bool pictureValue(const char* key, com::Ptr<com::Picture>& value) = 0;
    virtual bool fontValue(const char* key, QFont& value, const QFont& fallback) = 0;
    // The control's size in hundredths of a millimetre.
    virtual bool extent(QSize& himetric, const QSize& fallback) = 0;
};

} // namespace controls
