#pragma once

#include "platform/com/Object.h"

#include <QImage>
#include <QSize>

namespace com {

// The kinds of picture a picture property holds.
enum class PictureType { Uninitialized = -1, None = 0, Bitmap = 1, Metafile = 2, Icon = 3 };

// A picture passed to or read from a picture property: its kind, its image
// and its size in hundredths of a millimetre.
struct Picture : Unknown {
    static constexpr Guid iid{0x7BF80981, 0xBF32, 0x101A, {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

    virtual PictureType type() const = 0;
    virtual QImage image() const = 0;
    virtual QSize himetricSize() const = 0;

protected:
    ~Picture() = default;
};

// A picture object of the kind, holding the image (none for an empty or
// uninitialised picture).
Ptr<Picture> makePicture(PictureType type, const QImage& image = {});

} // namespace com
