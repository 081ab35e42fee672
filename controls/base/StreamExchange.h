#pragma once

#include "controls/base/PropExchange.h"

#include <QDataStream>

class QIODevice;

namespace controls {

// Properties in a stream of bytes, little-endian, in the control's order
// without keys: a version (u32), then each value: short i16, long, colour
// and Boolean 32 bits, text u32 length and its bytes, a picture or a font
// as a u32 length and its block. A block that cannot be read is passed
// over by its length; a stream that ends early leaves every later property
// at its default.
class StreamExchange final : public PropExchange {
public:
    enum class Mode { Load, Save };
    StreamExchange(QIODevice* device, Mode mode);

    bool failed() const { return failed_; }

    bool isLoading() const override { return mode_ == Mode::Load; }
    bool version(std::uint32_t& value, std::uint32_t current) override;
    bool shortValue(const char* key, std::int16_t& value, std::int16_t fallback) override;
    bool longValue(const char* key, std::int32_t& value, std::int32_t fallback) override;
    bool boolValue(const char* key, std::int32_t& value, std::int32_t fallback) override;
    bool colorValue(const char* key, std::uint32_t& value, std::uint32_t fallback) override;
    bool stringValue(const char* key, QByteArray& value, const QByteArray& fallback) override;
    bool pictureValue(const char* key, com::Ptr<com::Picture>& value) override;
    bool fontValue(const char* key, QFont& value, const QFont& fallback) override;
    bool extent(QSize& himetric, const QSize& fallback) override;

private:
    template <class T>
    bool plain(T& value, T fallback);
    bool block(QByteArray& bytes);

    QDataStream stream_;
    Mode mode_;
    bool failed_ = false;
};

} // namespace controls
