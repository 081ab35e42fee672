#pragma once

#include <QImage>
#include <QSize>

namespace art {

// The title picture of the main table of contents, drawn by the program
// itself: the product's name over a line naming what it trains for, on a
// transparent ground so the skin shows around the letters.
QImage titlePicture(const QSize& size);

} // namespace art
