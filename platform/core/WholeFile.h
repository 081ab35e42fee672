#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Puts bytes in place of the file at path through a new file beside it that
// takes the old one's place only once every byte has reached the disk. A
// write the disk refuses (a full disk, a size limit) leaves the old file as
// it was. Returns why it failed, in the system's words, or an empty string
// once the new file is in place.
//
// A bare commit of a save file is not enough: it reports success even when
// its last buffered write was refused, and the old file is then replaced by
// an empty one.
QString replaceWholeFile(const QString& path, const QByteArray& bytes);

// Makes sure a file another writer has just closed is on the disk, then puts
// it in place of target; returns why it failed, or an empty string.
QString moveIntoPlace(const QString& written, const QString& target);

} // namespace platform
