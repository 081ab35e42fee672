#pragma once

#include "platform/print/DisplayList.h"

#include <QByteArray>
#include <QString>

namespace print {

// Saved tests: a composed document in a file of this program's own format.
// The file begins with a fixed mark and a format version, holds the length
// of what follows and ends with a SHA-256 digest of it; every value read is
// checked against the bounds a composed page can have. A file that is not a
// saved test, is cut short, is damaged or comes from a newer version is
// refused with a message naming it, and nothing is read from it.

// Writes the document through a temporary file that replaces the named one
// only once it is complete, so a failed save leaves the old file as it was.
// Throws the unwritable-saved-test error.
void saveSavedTest(const QString& path, const Document& document);

// Reads a saved test; throws the errors above (the unreadable one when the
// file cannot be read at all).
Document loadSavedTest(const QString& path);

// The file's bytes, and the document read back from them; name is the file
// name the messages give.
QByteArray savedTestBytes(const Document& document);
Document readSavedTest(const QByteArray& bytes, const QString& name);

} // namespace print
