#pragma once

#include "platform/print/DisplayList.h"

namespace print {

// Where things go on the paper, in twips: the text area inside the margins,
// the header line in the top margin and the footer line in the bottom one,
// the gap between columns, and how far the frame stands off the text area.
struct PageLayout {
    PaperSize paper;
    int leftMargin = 1080;
    int rightMargin = 1080;
    int topMargin = 1440;
    int bottomMargin = 1440;
    int headerTop = 720;
    int footerBottom = 15840 - 720;
    int gutter = 360;
    int frameOffset = 90;

    int textLeft() const { return leftMargin; }
    int textRight() const { return paper.width - rightMargin; }
    int textTop() const { return topMargin; }
    int textBottom() const { return paper.height - bottomMargin; }
    int textWidth() const { return textRight() - textLeft(); }

    // The width of each of count columns, and the left edge of column index.
    int columnWidth(int count) const { return (textWidth() - (count - 1) * gutter) / count; }
    int columnLeft(int count, int index) const { return textLeft() + index * (columnWidth(count) + gutter); }
};

} // namespace print
