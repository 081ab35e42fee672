#pragma once

#include <QString>
#include <QStringList>

namespace editing {

// A question's picture and video are kept as bare file names, always looked
// up in the program's picture and video folders. These rules bring a file
// chosen anywhere into such a folder without harming what is there.

// The name itself when no name in `taken` equals it (without regard to
// case, as the program looks names up), else "stem (2).ext", "stem (3).ext"
// and so on: the first that is free.
QString freeFileName(const QString& name, const QStringList& taken);

// Whether two paths name the same folder (links and "." resolved).
bool sameFolder(const QString& one, const QString& other);

// Copies `source` into `folder` under a free name and returns that name;
// another file is never overwritten. Throws 75 when the copy cannot be made
// (the folder is missing or refuses writing), leaving nothing behind.
QString copyIntoFolder(const QString& source, const QString& folder);

// Whether the file holds a picture the program can show.
bool isPictureFile(const QString& path);

} // namespace editing
