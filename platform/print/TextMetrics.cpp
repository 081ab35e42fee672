#include "platform/print/TextMetrics.h"

#include "platform/core/Units.h"

#include <QtMath>

namespace print {

QFont fontOf(const TextStyle& style)
{
    QFont font(style.family);
    font.setPixelSize(qMax(1, qRound(style.pointSize * double(platform::twipsPerPoint))));
    font.setBold(style.bold);
    // Hinting snaps glyphs to the pixels of one device; the layout must be
    // the same on every device, so it measures outlines.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

TextMetrics::TextMetrics() = default;
TextMetrics::~TextMetrics() = default;

TextMetrics::Font::Font(const QFont& font)
    : metrics(font), lineHeight(qCeil(metrics.lineSpacing())), ascent(qCeil(metrics.ascent()))
{}

double TextMetrics::Font::advance(QStringView text)
{
    // Words repeat (answer letters, numbers, common words); long texts
    // rarely do and are measured directly.
    if (text.size() > 24)
        return metrics.horizontalAdvance(text.toString());
    const QString key = text.toString();
    auto found = advances.constFind(key);
    if (found != advances.constEnd())
        return *found;
    const double width = metrics.horizontalAdvance(key);
    advances.insert(key, width);
    return width;
}

TextMetrics::Font& TextMetrics::font(const TextStyle& style)
{
    if (last_ && style.family == lastStyle_.family && style.pointSize == lastStyle_.pointSize
        && style.bold == lastStyle_.bold)
        return *last_;
    const QString key = style.family + QLatin1Char('|') + QString::number(style.pointSize)
                        + (style.bold ? QStringLiteral("|b") : QString());
    auto& slot = fonts_[key];
    if (!slot) {
        slot = std::make_unique<Font>(fontOf(style));
        // Bold type keeps the line spacing of its regular weight: a word set
        // in bold must not push the lines below it down, or forms printed
        // to be laid over each other (a sheet and its key) drift apart.
        if (style.bold) {
            TextStyle regular = style;
            regular.bold = false;
            const Font upright(fontOf(regular));
            slot->lineHeight = upright.lineHeight;
            slot->ascent = upright.ascent;
        }
    }
    lastStyle_ = style;
    last_ = slot.get();
    return *slot;
}

} // namespace print
