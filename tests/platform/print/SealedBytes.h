#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QtEndian>

namespace printtest {

// The saved-test file layout, as the tests take it apart: an 8-byte mark,
// a 2-byte version, 2 bytes of flags, an 8-byte length, the pages and a
// 32-byte SHA-256 of the pages.
constexpr int prefixSize = 20;
constexpr int digestSize = 32;

inline QByteArray payloadOf(const QByteArray& file)
{
    return file.mid(prefixSize, file.size() - prefixSize - digestSize);
}

// A file around the given pages with a correct length and digest, so that
// damage inside the pages reaches the reader's checks of each value.
inline QByteArray sealed(const QByteArray& file, const QByteArray& payload)
{
    QByteArray result = file.left(prefixSize);
    qToBigEndian<quint64>(quint64(payload.size()), result.data() + 12);
    return result + payload + QCryptographicHash::hash(payload, QCryptographicHash::Sha256);
}

} // namespace printtest
