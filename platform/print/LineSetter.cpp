#include "platform/print/LineSetter.h"

#include <QtMath>

namespace print {

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

void LineSetter::append(QStringView token, const TextStyle& style, double advance)
{
    if (!line_.pieces.empty() && line_.pieces.back().style == style) {
        line_.pieces.back().text += token;
        line_.pieces.back().width += advance;
    } else {
        line_.pieces.push_back(Piece{token.toString(), style, x_, advance});
    }
    x_ += advance;
}

void LineSetter::finish(const TextStyle& style)
{
    int ascent = 0;
    int descent = 0;
    auto take = [&](const TextStyle& pieceStyle) {
        const TextMetrics::Font& font = metrics_->font(pieceStyle);
        ascent = qMax(ascent, font.ascent);
        descent = qMax(descent, font.lineHeight - font.ascent);
    };
    if (line_.pieces.empty())
        take(style);
    for (const Piece& piece : line_.pieces)
        take(piece.style);
    line_.ascent = ascent;
    line_.height = ascent + descent;
}

} // namespace print
