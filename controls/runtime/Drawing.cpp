#include "controls/runtime/Drawing.h"

#include "controls/runtime/Colors.h"

#include <QPainter>
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

void drawBevel(QPainter& dc, QRect r, int size, const QColor& topLeft, const QColor& bottomRight)
{
    for (int i = 0; i < size && r.width() > 1 && r.height() > 1; ++i) {
        dc.setPen(topLeft);
        dc.drawLine(r.topLeft(), r.topRight());
        dc.drawLine(r.topLeft(), r.bottomLeft());
        dc.setPen(bottomRight);
        dc.drawLine(r.bottomLeft(), r.bottomRight());
        dc.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
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

void drawFrame(QWidget*, QPainter& dc, int bevelSize, int borderWidth, int borderStyle, int bevelStyle, int,
               int, std::uint32_t shadowColor, std::uint32_t lightColor, std::uint32_t fillColor,
               std::uint32_t borderColor, int, bool, int, int, int, int, const QRect& rect)
{
    dc.save();
    dc.fillRect(rect, toColor(fillColor));
    QRect r = rect;
    if (borderStyle != 0 && borderWidth > 0) {
        for (int i = 0; i < borderWidth && r.width() > 1 && r.height() > 1; ++i) {
            dc.setPen(toColor(borderColor));
            dc.drawRect(r.adjusted(0, 0, -1, -1));
            r.adjust(1, 1, -1, -1);
        }
    }
    const QColor light = toColor(lightColor);
    const QColor shadow = toColor(shadowColor);
    r.adjust(0, 0, -1, -1); // the lines run on the last row and column inside
    switch (bevelStyle) {
    case kBevelRaised: drawBevel(dc, r, bevelSize, light, shadow); break;
    case kBevelInset: drawBevel(dc, r, bevelSize, shadow, light); break;
    case kBevelRaisedFrame:
        drawBevel(dc, r, 1, light, shadow);
        drawBevel(dc, r.adjusted(bevelSize, bevelSize, -bevelSize, -bevelSize), 1, shadow, light);
        break;
    case kBevelInsetFrame:
        drawBevel(dc, r, 1, shadow, light);
        drawBevel(dc, r.adjusted(bevelSize, bevelSize, -bevelSize, -bevelSize), 1, light, shadow);
        break;
    default: break;
    }
    dc.restore();
}

QRect innerRect(const QRect& rect, int bevelStyle, int bevelSize, int inset)
{
    const int bevel = bevelStyle == kBevelNone ? 0 : std::max(0, bevelSize);
    const int in = bevel + std::max(0, inset);
    QRect inner = rect.adjusted(in, in, -in, -in);
    if (inner.width() < 0)
        inner.setWidth(0);
    if (inner.height() < 0)
        inner.setHeight(0);
    return inner;
}

} // namespace qvrun
