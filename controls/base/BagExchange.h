#pragma once

#include "controls/base/PropExchange.h"

#include <QVariantMap>

namespace controls {

// Properties as named values. Saving writes every key; loading takes a
// missing key, or a value that is not of its kind, as the default. Keys
// match with regard to case. Pictures and fonts are their blocks of bytes;
// a text form of a picture (base64) is read too.
class BagExchange final : public PropExchange {
public:
    // Loads from the bag when saving is false, else writes into it.
    BagExchange(QVariantMap* bag, bool saving) : bag_(bag), saving_(saving) {}

    bool isLoading() const override { return !saving_; }
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
    bool number(const char* key, T& value, T fallback);

    QVariantMap* bag_;
    bool saving_;
};

// Every property to its default, as a new control has them before its own
// reset routine runs.
class ResetExchange final : public PropExchange {
public:
    bool isLoading() const override { return true; }
    bool version(std::uint32_t& value, std::uint32_t current) override
    {
        value = current;
        return true;
    }
    bool shortValue(const char*, std::int16_t& v, std::int16_t f) override
    {
        v = f;
        return true;
    }
    bool longValue(const char*, std::int32_t& v, std::int32_t f) override
    {
        v = f;
        return true;
    }
    bool boolValue(const char*, std::int32_t& v, std::int32_t f) override
    {
        v = f;
        return true;
    }
    bool colorValue(const char*, std::uint32_t& v, std::uint32_t f) override
    {
        v = f;
        return true;
    }
    bool stringValue(const char*, QByteArray& v, const QByteArray& f) override
    {
        v = f;
        return true;
    }
    bool pictureValue(const char*, com::Ptr<com::Picture>& v) override
    {
        v = com::makePicture(com::PictureType::None);
        return true;
    }
    bool fontValue(const char*, QFont& v, const QFont& f) override
    {
        v = f;
        return true;
    }
    bool extent(QSize& h, const QSize& f) override
    {
        h = f;
        return true;
    }
};

} // namespace controls
