// Measuring the date-input control's text: where the text area lies, the
// width of every beginning of the text, and how far the text is scrolled so
// that the caret stays in view.
#include "controls/dateinput/CQvindatCtrl.h"

#include "controls/runtime/Drawing.h"

#include <QFontMetrics>

#include <algorithm>

namespace qvindat {

CQvindatCtrl::TextLayout CQvindatCtrl::layoutText(const QRect& bounds) const
{
    const Properties& p = p_;
    TextLayout layout;
    const int borderWidth = p.borderStyle != 0 ? 1 : 0;
    layout.area = qvrun::innerRect(bounds, p.bevelStyle, p.bevelSize, borderWidth + p.indent);
    // The spin strip is a square at the left or right edge of the inner area.
    if (p.spin == 1 || p.spin == 2) {
        QRect& area = layout.area;
        const int width = std::min(area.height(), area.width());
        layout.strip = p.spin == 1 ? QRect(area.left(), area.top(), width, area.height())
                                   : QRect(area.right() - width + 1, area.top(), width, area.height());
        if (p.spin == 1)
            area.setLeft(layout.strip.right() + 1);
        else
            area.setRight(layout.strip.left() - 1);
    }

    // Every beginning of the text, the whole text included, so the caret
    // has a place at the end of a text of any length.
    const QFontMetrics metrics(font());
    const int length = textLength();
    layout.positions.resize(std::size_t(length) + 1);
    for (int i = 1; i <= length; ++i)
        layout.positions[std::size_t(i)] = metrics.horizontalAdvance(QString::fromLatin1(p.text.left(i)));
    layout.height = metrics.height();
    layout.ascent = metrics.ascent();
    layout.top = p.vAlignment == 1   ? layout.area.bottom() + 1 - layout.height
                 : p.vAlignment == 2 ? layout.area.top() + (layout.area.height() - layout.height) / 2
                                     : layout.area.top();

    const auto at = [&layout](int i) { return layout.positions[std::size_t(i)]; };
    const int caret = std::clamp(p.selStart, 0, length);
    const int reach = (layout.area.width() / 10) * 9;
    layout.first = 0;
    layout.end = length;
    if (p.alignment == 1) {
        // Right: the text is cut after the first character past the caret
        // that ends too far from it, and the rest stands against the edge.
        if (p.autoHScroll) {
            for (int k = caret; k < length; ++k)
                if (at(k + 1) - at(caret) > reach) {
                    layout.end = k + 1;
                    break;
                }
        }
        layout.origin = layout.area.right() + 1 - at(layout.end);
    } else if (p.alignment == 2) {
        layout.origin = layout.area.left() + (layout.area.width() - at(length)) / 2;
    } else {
        // Left: drawing starts at the first character from which the caret
        // is no farther than nine tenths of the area.
        if (p.autoHScroll)
            while (layout.first < caret && at(caret) - at(layout.first) > reach)
                ++layout.first;
        layout.origin = layout.area.left() - at(layout.first);
    }
    return layout;
}

} // namespace qvindat
