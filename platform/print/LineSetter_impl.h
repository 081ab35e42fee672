#pragma once

// The template parts of LineSetter.h, which includes this file.

#include "platform/print/TextMetrics.h"

namespace print {

template <class Sink>
void LineSetter::add(QStringView text, const TextStyle& style, Sink&& sink)
{
    TextMetrics::Font& font = metrics_->font(style);
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && !isLineBreak(text[end]))
            ++end;
        forEachToken(text.mid(start, end - start), [&](QStringView token, bool blank) {
            double advance = font.advance(token);
            if (blank || x_ + advance <= width_) {
                append(token, style, advance);
                return;
            }
            if (!atLineStart()) {
                endLine(style, sink);
                if (advance <= width_) {
                    append(token, style, advance);
                    return;
                }
            }
            // A word wider than the line: as many characters as fit on each
            // line, at least one.
            qsizetype from = 0;
            while (from < token.size()) {
                qsizetype count = 1;
                while (from + count < token.size() && x_ + font.advance(token.mid(from, count + 1)) <= width_)
                    ++count;
                const QStringView part = token.mid(from, count);
                append(part, style, font.advance(part));
                from += count;
                if (from < token.size())
                    endLine(style, sink);
            }
        });
        if (end >= text.size())
            break;
        endLine(style, sink);
        // CR LF is one line break.
        if (text[end] == QLatin1Char('\r') && end + 1 < text.size() && text[end + 1] == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
}

} // namespace print
