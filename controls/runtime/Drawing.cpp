#include "controls/runtime/Drawing.h"

#include "controls/runtime/Colors.h"
#include "platform/gdi/Bevel.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace qvrun {

namespace {

int qtFlags(unsigned flags)
{
    int align = Qt::AlignLeft;
    if (flags & kTextCenter)
        align = Qt::AlignHCenter;
    else if (flags & kTextRight)
        align = Qt::AlignRight;
    if (flags & kTextSingleLine)
        align |= (flags & kTextVCenter) ? Qt::AlignVCenter : (flags & kTextBottom) ? Qt::AlignBottom : Qt::AlignTop;
    else
        align |= Qt::AlignTop;
    if (flags & kTextWordBreak)
        align |= Qt::TextWordWrap;
    else
        align |= Qt::TextSingleLine;
    return align;
}

// An ampersand marks the next character as the mnemonic unless the caller
// asked for the text as it stands; "&&" is one ampersand.
QString shownText(const char* text, int length, unsigned flags)
{
    const int size = length < 0 ? int(std::strlen(text)) : length;
    QStringDecoder fromSingleByte("Windows-1252");
    QString shown = fromSingleByte(QByteArrayView(text, size));
    if (flags & kTextNoPrefix)
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return shown;
}

// The corners of a rounded border: small, so a control one line of text
// high keeps straight sides.
constexpr qreal kCornerRadius = 4;

// A shadow as wide as the bevel along two sides of the face, the way a
// face lifted off the ground casts it: below and right, or above and left,
// each band starting where the face's offset begins.
void drawShadow(QPainter& dc, const QRect& r, int size, const QColor& shadow, bool aboveLeft)
{
    const int across = std::min(size, r.width());
    const int down = std::min(size, r.height());
    if (across <= 0 || down <= 0)
        return;
    if (aboveLeft) {
        dc.fillRect(QRect(r.left(), r.top(), across, r.height() - down), shadow);
        dc.fillRect(QRect(r.left(), r.top(), r.width() - across, down), shadow);
    } else {
        dc.fillRect(QRect(r.right() - across + 1, r.top() + down, across, r.height() - down), shadow);
        dc.fillRect(QRect(r.left() + across, r.bottom() - down + 1, r.width() - across, down), shadow);
    }
}

} // namespace

void draw3dText(QPainter& dc, const char* text, int length, const QRect& rect, unsigned flags, int fontStyle,
                std::uint32_t textColor, std::uint32_t lightColor, std::uint32_t shadowColor)
{
    if (!text)
        return;
    const QString shown = shownText(text, length, flags);
    const int align = qtFlags(flags) | Qt::TextShowMnemonic;
    dc.save();
    const bool raised = fontStyle == kRaisedLight || fontStyle == kRaisedHeavy;
    const bool inset = fontStyle == kInsetLight || fontStyle == kInsetHeavy;
    if (raised || inset) {
        const int depth = (fontStyle == kRaisedHeavy || fontStyle == kInsetHeavy) ? 2 : 1;
        const QColor before = toColor(raised ? lightColor : shadowColor);
        const QColor after = toColor(raised ? shadowColor : lightColor);
        dc.setPen(before);
        dc.drawText(rect.translated(-1, -1), align, shown);
        dc.setPen(after);
        dc.drawText(rect.translated(depth, depth), align, shown);
    }
    dc.setPen(toColor(textColor));
    dc.drawText(rect, align, shown);
    dc.restore();
}

void drawFrame(QWidget*, QPainter& dc, int bevelSize, int borderWidth, int borderStyle, int bevelStyle, int, int,
               std::uint32_t shadowColor, std::uint32_t lightColor, std::uint32_t fillColor, std::uint32_t borderColor,
               int, bool, int, int, int, int, const QRect& rect)
{
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, false);
    const QColor fill = toColor(fillColor);
    QRect r = rect;
    if (borderStyle == kBorderRounded && borderWidth > 0 && r.width() > 1 && r.height() > 1) {
        // Outside the rounding the container shows through; the bevel is
        // cut to the rounding so its corners do not stand out of it.
        dc.setPen(toColor(borderColor));
        dc.setBrush(fill);
        dc.drawRoundedRect(r.adjusted(0, 0, -1, -1), kCornerRadius, kCornerRadius);
        dc.setBrush(Qt::NoBrush);
        r.adjust(1, 1, -1, -1);
        QPainterPath inside;
        inside.addRoundedRect(QRectF(r), kCornerRadius - 1, kCornerRadius - 1);
        dc.setClipPath(inside, Qt::IntersectClip);
    } else {
        dc.fillRect(rect, fill);
        if (borderStyle != kBorderNone && borderWidth > 0) {
            for (int i = 0; i < borderWidth && r.width() > 1 && r.height() > 1; ++i) {
                dc.setPen(toColor(borderColor));
                dc.drawRect(r.adjusted(0, 0, -1, -1));
                r.adjust(1, 1, -1, -1);
            }
        }
    }
    const QColor light = toColor(lightColor);
    const QColor shadow = toColor(shadowColor);
    const int size = std::max(0, bevelSize);
    switch (bevelStyle) {
    case kBevelLowered:
        gdi::drawBevel(dc, r, size, shadow, light);
        break;
    case kBevelRaised:
        gdi::drawBevel(dc, r, size, light, shadow);
        break;
    case kBevelChiseled: {
        // A groove: the outer half cut down, the inner half standing up.
        const int outer = (size + 1) / 2;
        gdi::drawBevel(dc, r, outer, shadow, light);
        gdi::drawBevel(dc, r.adjusted(outer, outer, -outer, -outer), size - outer, light, shadow);
        break;
    }
    case kBevelShadowedRight:
        drawShadow(dc, r, size, shadow, false);
        break;
    case kBevelShadowedLeft:
        drawShadow(dc, r, size, shadow, true);
        break;
    default:
        break;
    }
    dc.restore();
}

QRect innerRect(const QRect& rect, int bevelStyle, int bevelSize, int inset)
{
    const int bevel = std::max(0, bevelSize);
    const int in = std::max(0, inset);
    QRect inner = rect.adjusted(in, in, -in, -in);
    if (bevelStyle == kBevelShadowedRight)
        inner.adjust(0, 0, -bevel, -bevel);
    else if (bevelStyle == kBevelShadowedLeft)
        inner.adjust(bevel, bevel, 0, 0);
    else
        inner.adjust(bevel, bevel, -bevel, -bevel);
    if (inner.width() < 0)
        inner.setWidth(0);
    if (inner.height() < 0)
        inner.setHeight(0);
    return inner;
}

} // namespace qvrun
