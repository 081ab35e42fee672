#pragma once

#include "platform/com/Picture.h"

#include <QByteArray>
#include <QFont>

namespace controls {

// How a picture and a font are kept as one block of bytes, in a stream and
// in a property bag alike. A picture block holds its kind (1 bitmap, 3
// icon), its size in hundredths of a millimetre and a PNG image; no bytes
// means no picture. A font block holds the face name, the size in
// ten-thousandths of a point, the weight and the style flags.
QByteArray pictureBlock(const com::Ptr<com::Picture>& picture);
// A block that cannot be read gives no picture.
com::Ptr<com::Picture> pictureOf(const QByteArray& bytes);
QByteArray fontBlock(const QFont& font);
// False, and the font untouched, for a block that cannot be read.
bool fontOf(const QByteArray& bytes, QFont& font);

} // namespace controls
