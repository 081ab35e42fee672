// The date-input control's painting: frame, spin strip, text and selection.
#include "controls/dateinput/CQvindatCtrl.h"
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

void CQvindatCtrl::onDraw(QPainter& painter, const QRect& bounds, const QRect&)
{
    const Properties& p = p_;
    painter.save();
    const int borderWidth = p.borderStyle != 0 ? 1 : 0;
    qvrun::drawFrame(window(), painter, p.bevelSize, borderWidth, p.borderStyle, p.bevelStyle,
                     p.bevelStyle == 0 ? 3 : 0, 0, p.shadowColor, p.lightColor, p.fillColor, p.borderColor, 0,
                     true, 1, 0, 0, 0, bounds);
    QRect area = qvrun::innerRect(bounds, p.bevelStyle, p.bevelSize, borderWidth + p.indent);

    // The spin strip: a square at the left or right edge of the inner area.
    spinUp_ = spinDown_ = QRect();
    if (p.spin == 1 || p.spin == 2) {
        const int width = std::min(area.height(), area.width());
        const QRect strip = p.spin == 1 ? QRect(area.left(), area.top(), width, area.height())
                                        : QRect(area.right() - width + 1, area.top(), width, area.height());
        const QRect upper(strip.left(), strip.top(), strip.width(), strip.height() / 2);
        const QRect lower(strip.left(), upper.bottom() + 1, strip.width(), strip.height() - upper.height());
        drawTriangle(painter, upper, true, qvrun::toColor(spinHeld_ == 1 ? p.shadowColor : p.borderColor));
        drawTriangle(painter, lower, false, qvrun::toColor(spinHeld_ == 2 ? p.shadowColor : p.borderColor));
        spinUp_ = upper.adjusted(-2, -2, 2, 2);
        spinDown_ = lower.adjusted(-2, -2, 2, 2);
        if (p.spin == 1)
            area.setLeft(strip.right() + 1);
        else
            area.setRight(strip.left() - 1);
    }

    painter.setClipRect(area);
    painter.setFont(font());
    unsigned flags = qvrun::kTextSingleLine | qvrun::kTextNoPrefix;
    flags |= p.alignment == 1 ? unsigned(qvrun::kTextRight) : p.alignment == 2 ? unsigned(qvrun::kTextCenter) : unsigned(qvrun::kTextLeft);
    flags |= p.vAlignment == 1 ? unsigned(qvrun::kTextBottom) : p.vAlignment == 2 ? unsigned(qvrun::kTextVCenter) : 0u;
    if (!p.text.isEmpty()) {
        // A disabled control at run time shows its text flat and grey.
        const bool greyed = !enabled() && ambientUserMode();
        qvrun::draw3dText(painter, p.text.constData(), -1, area, flags, greyed ? 0 : p.fontStyle,
                          greyed ? kDisabledText : p.textColor, p.lightColor, p.shadowColor);
    }

    // The selection shows only while the control has the focus.
    const bool focused = window() && window()->hasFocus();
    if (focused && p.selLength != 0) {
        const int start = std::clamp(std::min(p.selStart, p.selStart + p.selLength), 0, textLength());
        const int end = std::clamp(std::max(p.selStart, p.selStart + p.selLength), 0, textLength());
        const QFontMetrics metrics(font());
        const int left = area.left() + metrics.horizontalAdvance(QString::fromLatin1(p.text.left(start)));
        const int right = area.left() + metrics.horizontalAdvance(QString::fromLatin1(p.text.left(end)));
        const int top = p.vAlignment == 1   ? area.bottom() - metrics.height() + 1
                        : p.vAlignment == 2 ? area.top() + (area.height() - metrics.height()) / 2
                                            : area.top();
        if (p.alignment == 0) {
            const QRect selected(left, top, right - left, metrics.height());
            painter.fillRect(selected, qvrun::toColor(kHighlight));
            painter.setPen(qvrun::toColor(kHighlightText));
            painter.drawText(selected, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                             QString::fromLatin1(p.text.mid(start, end - start)));
        }
    }
    painter.restore();
}

} // namespace qvindat
