#include "controls/base/BagExchange.h"

#include "controls/base/PersistedBlocks.h"

#include <limits>

namespace controls {

template <class T>
bool BagExchange::number(const char* key, T& value, T fallback)
{
    const QString name = QString::fromLatin1(key);
    if (saving_) {
        bag_->insert(name, qlonglong(value));
        return true;
    }
    bool ok = false;
    const qlonglong read = bag_->value(name).toLongLong(&ok);
    if (!ok || read < qlonglong(std::numeric_limits<T>::min()) || read > qlonglong(std::numeric_limits<T>::max())) {
        value = fallback;
        return false;
    }
    value = T(read);
    return true;
}

bool BagExchange::version(std::uint32_t& value, std::uint32_t current)
{
    if (saving_)
        value = current;
    return number<std::uint32_t>("_Version", value, current);
}

bool BagExchange::shortValue(const char* key, std::int16_t& value, std::int16_t fallback)
{
    return number(key, value, fallback);
}

bool BagExchange::longValue(const char* key, std::int32_t& value, std::int32_t fallback)
{
    return number(key, value, fallback);
}

bool BagExchange::boolValue(const char* key, std::int32_t& value, std::int32_t fallback)
{
    return number(key, value, fallback);
}

bool BagExchange::colorValue(const char* key, std::uint32_t& value, std::uint32_t fallback)
{
    return number(key, value, fallback);
}

bool BagExchange::stringValue(const char* key, QByteArray& value, const QByteArray& fallback)
{
    const QString name = QString::fromLatin1(key);
    if (saving_) {
        bag_->insert(name, value);
        return true;
    }
    if (!bag_->contains(name)) {
        value = fallback;
        return false;
    }
    value = bag_->value(name).toByteArray().left(kMaxTextLength);
    return true;
}

bool BagExchange::pictureValue(const char* key, com::Ptr<com::Picture>& value)
{
    const QString name = QString::fromLatin1(key);
    if (saving_) {
        bag_->insert(name, pictureBlock(value));
        return true;
    }
    const QVariant stored = bag_->value(name);
    const QByteArray bytes = stored.typeId() == QMetaType::QString
                                 ? QByteArray::fromBase64(stored.toString().toLatin1())
                                 : stored.toByteArray();
    value = pictureOf(bytes);
    return true;
}

bool BagExchange::fontValue(const char* key, QFont& value, const QFont& fallback)
{
    const QString name = QString::fromLatin1(key);
    if (saving_) {
        bag_->insert(name, fontBlock(value));
        return true;
    }
    QFont read = fallback;
    const bool ok = fontOf(bag_->value(name).toByteArray(), read);
    value = ok ? read : fallback;
    return ok;
}

bool BagExchange::extent(QSize& himetric, const QSize& fallback)
{
    std::int32_t width = himetric.width(), height = himetric.height();
    const bool ok = number<std::int32_t>("_ExtentX", width, fallback.width())
                    & number<std::int32_t>("_ExtentY", height, fallback.height());
    himetric = QSize(width, height);
    return ok;
}

} // namespace controls
