#pragma once

#include "controls/runtime/RuntimeExport.h"

#include <QImage>
#include <QRect>

#include <cstdint>

class QPainter;

namespace qvrun {

// How a picture fills a rectangle.
enum WallPaper { kStretch = 0, kCopy = 1, kTile = 2 };

// Holds one picture property of a control and draws it.
class QVRUN_EXPORT CQVPictureHolder {
public:
    void setPicture(const QImage& picture) { picture_ = picture; }
    const QImage& picture() const { return picture_; }
    bool isEmpty() const { return picture_.isNull(); }

    // Fills the rectangle with the background and the picture in the mode:
    // stretched over it, copied once at its top left, or tiled from there.
    // The fixed arguments are kept in the order the controls pass them.
    void render(QPainter& dc, const QRect& rect, int wallPaper, int reserved1, int reserved2, std::uint32_t background,
                std::uint32_t rasterOperation, int reserved3) const;

private:
    QImage picture_;
};

} // namespace qvrun
