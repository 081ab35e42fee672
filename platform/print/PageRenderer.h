#pragma once

#include "platform/print/DisplayList.h"

#include <QRectF>

class QPainter;
class QPaintDevice;

namespace print {

// Draws a page's display list with a painter, the paper mapped onto target
// (in the painter's coordinates). The page is drawn on whatever is there:
// the preview lays the white paper down first, a printer has its own.
void paintPage(QPainter& painter, const Page& page, const PaperSize& paper, const QRectF& target);

// Draws the page over the whole of a device (an image, a printer page).
void paintPage(QPaintDevice& device, const Page& page, const PaperSize& paper);

} // namespace print
