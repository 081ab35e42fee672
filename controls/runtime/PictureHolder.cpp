#include "controls/runtime/PictureHolder.h"

#include "controls/runtime/Colors.h"

#include <QPainter>

namespace qvrun {

void CQVPictureHolder::render(QPainter& dc, const QRect& rect, int wallPaper, int, int, std::uint32_t background,
                              std::uint32_t, int) const
{
    dc.save();
    dc.setClipRect(rect);
    dc.fillRect(rect, toColor(background));
    if (!picture_.isNull()) {
        switch (wallPaper) {
        case kStretch:
            dc.drawImage(rect, picture_);
            break;
        case kTile:
            dc.drawTiledPixmap(rect, QPixmap::fromImage(picture_));
            break;
        default:
            dc.drawImage(rect.topLeft(), picture_);
            break;
        }
    }
    dc.restore();
}

} // namespace qvrun
