// What the composer adds to a page when it closes it: the header, the
// footer and the frame, as they stand at that moment.

#include "platform/print/Composer.h"

#include <QtMath>

namespace print {

namespace {

// Header and footer are one line each; a line break in them is printed as a
// blank so the rest of the text stays on that line.
QString oneLine(QString text)
{
    for (QChar& c : text) {
        if (isLineBreak(c))
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

void Composer::decorate(Page& page)
{
    TextMetrics::Font& font = metrics_.font(header_);
    auto line = [&](const QString& text, int top) {
        if (text.isEmpty())
            return;
        const QString shown = oneLine(text);
        page.runs.push_back(
            TextRun{shown, header_, layout_.textLeft(), top, qCeil(font.advance(shown)), font.lineHeight, font.ascent});
    };
    line(page.header, layout_.headerTop);
    line(page.footer, layout_.footerBottom - font.lineHeight);

    const int left = layout_.textLeft() - layout_.frameOffset;
    const int right = layout_.textRight() + layout_.frameOffset;
    const int top = layout_.textTop() - layout_.frameOffset;
    const int bottom = layout_.textBottom() + layout_.frameOffset;
    const bool above = page.frame == PageFrame::top || page.frame == PageFrame::topAndBottom
                       || page.frame == PageFrame::box || page.frame == PageFrame::columns;
    const bool below = page.frame == PageFrame::bottom || page.frame == PageFrame::topAndBottom
                       || page.frame == PageFrame::box || page.frame == PageFrame::columns;
    const bool sides = page.frame == PageFrame::box || page.frame == PageFrame::columns;
    if (above)
        page.rules.push_back(Rule{left, top, right, top});
    if (below)
        page.rules.push_back(Rule{left, bottom, right, bottom});
    if (sides) {
        page.rules.push_back(Rule{left, top, left, bottom});
        page.rules.push_back(Rule{right, top, right, bottom});
    }
    if (page.frame != PageFrame::columns)
        return;
    // A rule in the middle of each gap between columns, down each band.
    for (std::size_t i = 0; i < bands_.size(); ++i) {
        const Band& band = bands_[i];
        const int bandBottom = i + 1 < bands_.size() ? bands_[i + 1].top : bottom;
        const int bandTop = i == 0 ? top : band.top;
        for (int column = 1; column < band.columns; ++column) {
            const int x = layout_.columnLeft(band.columns, column) - layout_.gutter / 2;
            page.rules.push_back(Rule{x, bandTop, x, bandBottom});
        }
    }
}

} // namespace print
