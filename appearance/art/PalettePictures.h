#pragma once

#include <QImage>

namespace art {

// The two drop targets of the chapter palette, 32 by 32 on a transparent
// ground. The waste basket takes only a button's caption; the red-crossed
// book takes the whole chapter, so it must not be mistaken for the basket.
QImage wasteBasketPicture();
QImage chapterRemovalPicture();

} // namespace art
