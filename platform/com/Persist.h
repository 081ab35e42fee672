#pragma once

#include "platform/com/Unknown.h"

#include <QVariantMap>

class QIODevice;

namespace com {

// A control's properties kept in a stream of bytes (with a window's design,
// for one).
struct PersistStream : Unknown {
    static constexpr Guid iid{0xD1C4B8E0, 0x3F1A, 0x4C52, {0x8E, 0x61, 0x11, 0x0A, 0x5B, 0x27, 0x90, 0x03}};

    // Every property to the values of a new control.
    virtual Result initNew() = 0;
    // kOk when the whole stream was read; kFalse when it ended early (what
    // was read is kept, the rest takes its stored defaults); a failure when
    // the stream is no control's (the control is then left as it was).
    virtual Result load(QIODevice* stream) = 0;
    virtual Result save(QIODevice* stream, bool clearDirty) = 0;

protected:
    ~PersistStream() = default;
};

// The same properties as named values; names match with regard to case.
struct PersistPropertyBag : Unknown {
    static constexpr Guid iid{0xD1C4B8E0, 0x3F1A, 0x4C52, {0x8E, 0x61, 0x11, 0x0A, 0x5B, 0x27, 0x90, 0x04}};

    virtual Result load(const QVariantMap& bag) = 0;
    virtual Result save(QVariantMap* bag, bool clearDirty) = 0;

protected:
    ~PersistPropertyBag() = default;
};

// A stream that is no control's (another version, or not a stream at all).
inline constexpr Result kStreamRefused = result(0x80030005);

} // namespace com
