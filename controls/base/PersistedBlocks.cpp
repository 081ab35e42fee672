#include "controls/base/PersistedBlocks.h"

#include <QBuffer>
#include <QDataStream>

#include <cmath>

namespace controls {

QByteArray pictureBlock(const com::Ptr<com::Picture>& picture)
{
    if (!picture || picture->image().isNull())
        return {};
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const QSize size = picture->himetricSize();
    out << quint32(picture->type()) << qint32(size.width()) << qint32(size.height());
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture->image().save(&buffer, "PNG");
    out.writeRawData(png.constData(), int(png.size()));
    return bytes;
}

com::Ptr<com::Picture> pictureOf(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return com::makePicture(com::PictureType::None);
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    quint32 type = 0;
    qint32 width = 0, height = 0;
    in >> type >> width >> height;
    QImage image;
    const qsizetype header = 12;
    if (in.status() != QDataStream::Ok || (type != 1 && type != 3) || !image.loadFromData(bytes.mid(header), "PNG"))
        return com::makePicture(com::PictureType::None);
    return com::makePicture(com::PictureType(type), image);
}

QByteArray fontBlock(const QFont& font)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const QByteArray name = font.family().toUtf8();
    out << quint32(name.size());
    out.writeRawData(name.constData(), int(name.size()));
    const quint8 flags = quint8((font.italic() ? 1 : 0) | (font.underline() ? 2 : 0) | (font.strikeOut() ? 4 : 0));
    // The size as a currency value: points in ten-thousandths.
    out << qint64(std::llround(font.pointSizeF() * 10000.0)) << qint16(font.weight()) << qint16(0) << flags;
    return bytes;
}

bool fontOf(const QByteArray& bytes, QFont& font)
{
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    quint32 length = 0;
    in >> length;
    if (in.status() != QDataStream::Ok || length > quint32(bytes.size()))
        return false;
    QByteArray name(qsizetype(length), '\0');
    if (in.readRawData(name.data(), int(length)) != int(length))
        return false;
    qint64 size = 0;
    qint16 weight = 0, charset = 0;
    quint8 flags = 0;
    in >> size >> weight >> charset >> flags;
    if (in.status() != QDataStream::Ok || size <= 0 || weight < 1 || weight > 1000)
        return false;
    font.setFamily(QString::fromUtf8(name));
    font.setPointSizeF(double(size) / 10000.0);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(flags & 1);
    font.setUnderline(flags & 2);
    font.setStrikeOut(flags & 4);
    return true;
}

} // namespace controls
