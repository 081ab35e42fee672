#include "controls/base/StreamExchange.h"

#include "controls/base/PersistedBlocks.h"

#include <QIODevice>

namespace controls {

namespace {

// No property of a control is larger; a longer length is damage.
constexpr quint32 kLargestBlock = 16u * 1024u * 1024u;

} // namespace

StreamExchange::StreamExchange(QIODevice* device, Mode mode) : stream_(device), mode_(mode)
{
    stream_.setByteOrder(QDataStream::LittleEndian);
}

template <class T>
bool StreamExchange::plain(T& value, T fallback)
{
    if (mode_ == Mode::Save) {
        stream_ << value;
        return stream_.status() == QDataStream::Ok;
    }
    if (!failed_) {
        T read{};
        stream_ >> read;
        if (stream_.status() == QDataStream::Ok) {
            value = read;
            return true;
        }
        failed_ = true;
    }
    value = fallback;
    return false;
}

bool StreamExchange::block(QByteArray& bytes)
{
    if (mode_ == Mode::Save) {
        stream_ << quint32(bytes.size());
        stream_.writeRawData(bytes.constData(), int(bytes.size()));
        return stream_.status() == QDataStream::Ok;
    }
    bytes.clear();
    if (failed_)
        return false;
    quint32 length = 0;
    stream_ >> length;
    if (stream_.status() != QDataStream::Ok || length > kLargestBlock
        || (stream_.device() && !stream_.device()->isSequential() && length > stream_.device()->bytesAvailable())) {
        failed_ = true;
        return false;
    }
    bytes.resize(qsizetype(length));
    if (stream_.readRawData(bytes.data(), int(length)) != int(length)) {
        failed_ = true;
        bytes.clear();
        return false;
    }
    return true;
}

bool StreamExchange::version(std::uint32_t& value, std::uint32_t current)
{
    if (mode_ == Mode::Save)
        value = current;
    quint32 v = value;
    const bool ok = plain<quint32>(v, current);
    value = v;
    return ok;
}

bool StreamExchange::shortValue(const char*, std::int16_t& value, std::int16_t fallback)
{
    return plain<qint16>(value, fallback);
}

bool StreamExchange::longValue(const char*, std::int32_t& value, std::int32_t fallback)
{
    return plain<qint32>(value, fallback);
}

bool StreamExchange::boolValue(const char*, std::int32_t& value, std::int32_t fallback)
{
    return plain<qint32>(value, fallback);
}

bool StreamExchange::colorValue(const char*, std::uint32_t& value, std::uint32_t fallback)
{
    return plain<quint32>(value, fallback);
}

bool StreamExchange::stringValue(const char*, QByteArray& value, const QByteArray& fallback)
{
    QByteArray bytes = value;
    const bool ok = block(bytes);
    if (mode_ == Mode::Load)
        value = ok ? bytes.left(kMaxTextLength) : fallback;
    return ok;
}

bool StreamExchange::pictureValue(const char*, com::Ptr<com::Picture>& value)
{
    QByteArray bytes = mode_ == Mode::Save ? pictureBlock(value) : QByteArray();
    const bool ok = block(bytes);
    if (mode_ == Mode::Load)
        value = ok ? pictureOf(bytes) : com::makePicture(com::PictureType::None);
    return ok;
}

bool StreamExchange::fontValue(const char*, QFont& value, const QFont& fallback)
{
    QByteArray bytes = mode_ == Mode::Save ? fontBlock(value) : QByteArray();
    const bool ok = block(bytes);
    if (mode_ == Mode::Load && (!ok || !fontOf(bytes, value)))
        value = fallback;
    return ok;
}

bool StreamExchange::extent(QSize& himetric, const QSize& fallback)
{
    qint32 width = himetric.width(), height = himetric.height();
    const bool ok = plain<qint32>(width, fallback.width()) && plain<qint32>(height, fallback.height());
    himetric = ok ? QSize(width, height) : fallback;
    return ok;
}

} // namespace controls
