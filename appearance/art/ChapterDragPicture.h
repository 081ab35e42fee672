#pragma once

#include <QImage>

namespace art {

// What the pointer carries while a chapter title is dragged from a list: a
// small index card with a red heading rule and lines of writing, on a
// transparent ground.
QImage chapterDragPicture();

} // namespace art
