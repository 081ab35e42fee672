// The date-input control's painting: frame, spin strip, text, selection and
// the caret.
#include "controls/dateinput/CQvindatCtrl.h"
#include "controls/runtime/Caret.h"
#include "controls/runtime/Colors.h"
#include "controls/runtime/Drawing.h"

#include <QPainter>
#include <QWidget>

namespace qvindat {

namespace {

constexpr std::uint32_t kDisabledText = 0x808080;
constexpr std::uint32_t kHighlight = 0x8000000D;
constexpr std::uint32_t kHighlightText = 0x8000000E;

// A solid triangle of (width - 4) / 2 rows, drawn line by line, centred in
// the half it stands in.
void drawTriangle(QPainter& painter, const QRect& half, bool up, const QColor& color)
{
    const int rows = std::max(0, (half.width() - 4) / 2);
    const int top = half.top() + (half.height() - rows) / 2;
    const int middle = half.left() + half.width() / 2;
    painter.setPen(QPen(color, 1));
    for (int row = 0; row < rows; ++row) {
        const int reach = up ? row : rows - 1 - row;
        painter.drawLine(middle - reach, top + row, middle + reach, top + row);
    }
}

} // namespace

void CQvindatCtrl::placeCaret(const TextLayout& layout)
{
    if (!caret_)
        return;
    if (!focus_ || !p_.caretVisible) {
        caret_->hide();
        return;
    }
    const QSize size = caretSize();
    const int caret = std::clamp(p_.selStart, 0, textLength());
    const int x = std::max(0, layout.origin + layout.positions[std::size_t(caret)] - size.width() / 2);
    const int y = p_.caretVAlign == 1   ? layout.top + layout.ascent
                  : p_.caretVAlign == 2 ? layout.top - size.height()
                                        : layout.top;
    caret_->setPosition(QPoint(x, y));
    if (!caret_->isShown())
        caret_->show();
}

void CQvindatCtrl::onDraw(QPainter& painter, const QRect& bounds, const QRect&)
{
    const Properties& p = p_;
    // Painting measures: the field that holds the caret is found again.
    engine_.caretPosition = std::clamp(p.selStart, 0, textLength());
    engine_.FindCaretField();

    painter.save();
    const int borderWidth = p.borderStyle != 0 ? 1 : 0;
    qvrun::drawFrame(window(), painter, p.bevelSize, borderWidth, p.borderStyle, p.bevelStyle,
                     p.bevelStyle == 0 ? 3 : 0, 0, p.shadowColor, p.lightColor, p.fillColor, p.borderColor, 0, true, 1,
                     0, 0, 0, bounds);
    const TextLayout layout = layoutText(bounds);

    spinUp_ = spinDown_ = QRect();
    if (!layout.strip.isEmpty()) {
        const QRect& strip = layout.strip;
        const QRect upper(strip.left(), strip.top(), strip.width(), strip.height() / 2);
        const QRect lower(strip.left(), upper.bottom() + 1, strip.width(), strip.height() - upper.height());
        drawTriangle(painter, upper, true, qvrun::toColor(spinHeld_ == 1 ? p.shadowColor : p.borderColor));
        drawTriangle(painter, lower, false, qvrun::toColor(spinHeld_ == 2 ? p.shadowColor : p.borderColor));
        spinUp_ = upper.adjusted(-2, -2, 2, 2);
        spinDown_ = lower.adjusted(-2, -2, 2, 2);
    }

    const QRect& area = layout.area;
    painter.setClipRect(area);
    painter.setFont(font());
    const auto at = [&layout](int i) { return layout.positions[std::size_t(i)]; };
    // The text is drawn from its first visible character at its measured
    // place, so caret, selection and clicks agree with what is shown.
    const unsigned flags = qvrun::kTextSingleLine | qvrun::kTextNoPrefix | qvrun::kTextLeft;
    const int shownLength = layout.end - layout.first;
    if (shownLength > 0) {
        const QRect place(layout.origin + at(layout.first), layout.top, at(layout.end) - at(layout.first) + 2,
                          layout.height);
        // A disabled control at run time shows its text flat and grey.
        const bool greyed = !enabled() && ambientUserMode();
        qvrun::draw3dText(painter, p.text.constData() + layout.first, shownLength, place, flags,
                          greyed ? 0 : p.fontStyle, greyed ? kDisabledText : p.textColor, p.lightColor, p.shadowColor);
    }

    // The selection shows only while the control has the focus.
    if (focus_ && p.selLength != 0) {
        const int start = std::clamp(std::min(p.selStart, p.selStart + p.selLength), 0, textLength());
        const int end = std::clamp(std::max(p.selStart, p.selStart + p.selLength), 0, textLength());
        const QRect selected(layout.origin + at(start), layout.top, at(end) - at(start), layout.height);
        painter.fillRect(selected, qvrun::toColor(kHighlight));
        qvrun::draw3dText(painter, p.text.constData() + start, end - start, selected.adjusted(0, 0, 2, 0), flags, 0,
                          kHighlightText, p.lightColor, p.shadowColor);
    }
    painter.restore();

    placeCaret(layout);
    if (caret_)
        caret_->paint(painter);
}

} // namespace qvindat
