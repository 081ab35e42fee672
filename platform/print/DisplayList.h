#pragma once

#include "platform/core/Units.h"
#include "platform/gdi/Color.h"

#include <QImage>
#include <QString>

#include <vector>

namespace print {

// Everything on a page is placed in twips (1440 to the inch) from the page's
// top left corner, so a page draws the same on the preview, the printer and a
// PDF, and tests can read where each piece of text landed.

// The look of a piece of text: the font by name (kept as the user chose it,
// even when the system substitutes another), its size in points, bold, and
// its colour as the settings store it.
struct TextStyle {
    QString family;
    double pointSize = 10.0;
    bool bold = false;
    gdi::ColorRef color = 0;

    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// Text of one look on one line, exactly as written (blanks included).
// (x, top) is the top left of its line box; baseline is the distance from
// the line's top to the baseline the text sits on.
struct TextRun {
    QString text;
    TextStyle style;
    int x = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int baseline = 0;

    friend bool operator==(const TextRun&, const TextRun&) = default;
};

// A straight line (page frames and table borders), one pen width wide.
struct Rule {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int width = platform::twipsPerPixel;

    friend bool operator==(const Rule&, const Rule&) = default;
};

// A picture scaled into its box.
struct PictureItem {
    QImage image;
    int x = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PictureItem& a, const PictureItem& b)
    {
        return a.x == b.x && a.top == b.top && a.width == b.width && a.height == b.height
               && a.image.convertToFormat(QImage::Format_ARGB32) == b.image.convertToFormat(QImage::Format_ARGB32);
    }
};

// The page borders the frame setting draws around the text area.
enum class PageFrame { none = 0, bottom = 1, top = 2, topAndBottom = 3, box = 4, columns = 5 };
constexpr int lastPageFrame = 5;

// One composed page: its header, footer and frame as they stood when the
// page was closed, and what is drawn on it (the header, footer and frame
// included), in the order it is drawn: rules, then pictures, then text.
struct Page {
    QString header;
    QString footer;
    PageFrame frame = PageFrame::none;
    std::vector<Rule> rules;
    std::vector<PictureItem> pictures;
    std::vector<TextRun> runs;

    friend bool operator==(const Page&, const Page&) = default;
};

// The paper, in twips; letter size unless a document says otherwise.
struct PaperSize {
    int width = 12240;
    int height = 15840;

    friend bool operator==(const PaperSize&, const PaperSize&) = default;
};

// A whole composed document: what the preview shows, the printer prints and
// a saved test holds.
struct Document {
    PaperSize paper;
    std::vector<Page> pages;

    friend bool operator==(const Document&, const Document&) = default;
};

} // namespace print
