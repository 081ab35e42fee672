#include "platform/speech/BalloonPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <algorithm>

namespace speech {

namespace {

constexpr qreal tailHeight = 16;
constexpr qreal padding = 9;

// The lines the text wraps into at this font, and whether they all fit.
QStringList wrap(const QString& text, const QFont& font, const QSizeF& room, bool* fits)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const qreal lineHeight = QFontMetricsF(font).lineSpacing();
    QStringList lines;
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
        height += lineHeight;
    }
    layout.endLayout();
    *fits = height <= room.height();
    return lines;
}

} // namespace

void paintBalloon(QPainter& painter, const CharacterLook& look, const QRectF& area, QPointF tailTip,
                  const QString& text)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // The text is laid out first: the balloon grows with it, up to the area.
    const QRectF largest = area.adjusted(1, 1, -1, -tailHeight);
    const QSizeF room = largest.adjusted(padding, padding, -padding, -padding).size();
    QFont font = painter.font();
    font.setPointSizeF(10);
    bool fits = false;
    QStringList lines = wrap(text, font, room, &fits);
    while (!fits && font.pointSizeF() > 7) {
        font.setPointSizeF(font.pointSizeF() - 1);
        lines = wrap(text, font, room, &fits);
    }
    const QFontMetricsF metrics(font);
    const qsizetype visibleLines = std::max<qsizetype>(1, qsizetype(room.height() / metrics.lineSpacing()));
    if (lines.size() > visibleLines) {
        const QString rest = lines.mid(visibleLines - 1).join(QLatin1Char(' '));
        lines = lines.mid(0, visibleLines);
        lines.last() = metrics.elidedText(rest, Qt::ElideRight, room.width());
    }
    qreal textWidth = 0;
    for (const QString& line : std::as_const(lines))
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));

    const qreal width = std::clamp(textWidth + 2 * padding, 110.0, largest.width());
    const qreal height = std::min(largest.height(), lines.size() * metrics.lineSpacing() + 2 * padding);
    const QRectF body(largest.left(), largest.bottom() - height, width, height);

    QPainterPath shape;
    shape.addRoundedRect(body, 12, 12);
    QPainterPath tail;
    const qreal tailX = std::clamp(tailTip.x(), body.left() + 20, body.right() - 34);
    tail.moveTo(tailX, body.bottom() - 2);
    tail.lineTo(tailTip);
    tail.lineTo(tailX + 16, body.bottom() - 2);
    tail.closeSubpath();
    shape = shape.united(tail);

    painter.setPen(QPen(look.outline, 2));
    painter.setBrush(look.balloon);
    painter.drawPath(shape);

    painter.setFont(font);
    painter.setPen(look.balloonText);
    qreal y = body.top() + padding + metrics.ascent();
    for (const QString& line : std::as_const(lines)) {
        painter.drawText(QPointF(body.left() + padding, y), line);
        y += metrics.lineSpacing();
    }
    painter.restore();
}

} // namespace speech
