#pragma once

#include <QImage>

namespace art {

// What a picture preview shows before any picture was chosen: an empty mat
// with the outline of a landscape, so the box reads as "a picture goes here".
QImage emptyPreviewPicture();

} // namespace art
