#pragma once

#include <QString>

namespace assets {

// Writes the question pictures into <folder>/pictures: labelled line
// drawings of equipment and ideas the question bank asks about, and the
// plain blank.jpg shown after a question's picture is removed.
bool writePictures(const QString &folder);

} // namespace assets
