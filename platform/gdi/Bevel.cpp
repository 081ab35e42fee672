#include "platform/gdi/Bevel.h"

#include <QColor>
#include <QPainter>

namespace gdi {

void drawBevelRing(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight)
{
    forEachBevelLine(rect, 0, side::all, [&](QPoint from, QPoint to, bool lit) {
        painter.setPen(lit ? topLeft : bottomRight);
        painter.drawLine(from, to);
    });
}

void drawBevel(QPainter& painter, QRect rect, int size, const QColor& topLeft, const QColor& bottomRight)
{
    for (int i = 0; i < size && rect.width() > 1 && rect.height() > 1; ++i) {
        drawBevelRing(painter, rect, topLeft, bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}

} // namespace gdi
