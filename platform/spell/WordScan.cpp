#include "platform/spell/WordScan.h"

namespace spell {

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

bool isJoiner(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019) || c == QLatin1Char('-');
}

bool closesWord(QChar typed)
{
    if (typed == QLatin1Char('\r') || typed == QLatin1Char('\n') || typed == QLatin1Char('\t'))
        return true;
    return typed.isPrint() && !isWordCharacter(typed) && !isJoiner(typed);
}

namespace {

// The span [start, end) without joiners at either end.
WordSpan trimmed(const QString& text, int start, int end)
{
    while (start < end && isJoiner(text.at(start)))
        ++start;
    while (end > start && isJoiner(text.at(end - 1)))
        --end;
    return start < end ? WordSpan{start, end - start} : WordSpan{};
}

} // namespace

WordSpan wordEndingAt(const QString& text, int end)
{
    end = qBound(0, end, int(text.size()));
    int start = end;
    while (start > 0 && (isWordCharacter(text.at(start - 1)) || isJoiner(text.at(start - 1))))
        --start;
    return trimmed(text, start, end);
}

WordSpan wordAt(const QString& text, int position)
{
    position = qBound(0, position, int(text.size()));
    int end = position;
    while (end < text.size() && (isWordCharacter(text.at(end)) || isJoiner(text.at(end))))
        ++end;
    const WordSpan word = wordEndingAt(text, end);
    return !word.isEmpty() && word.start < position ? word : WordSpan{};
}

WordSpan nextWord(const QString& text, int from)
{
    int start = qMax(0, from);
    const int size = int(text.size());
    for (;;) {
        while (start < size && !isWordCharacter(text.at(start)))
            ++start;
        if (start >= size)
            return {};
        int end = start;
        while (end < size && (isWordCharacter(text.at(end)) || isJoiner(text.at(end))))
            ++end;
        const WordSpan word = trimmed(text, start, end);
        if (!word.isEmpty())
            return word;
        start = end;
    }
}

bool holdsDigit(const QString& word)
{
    for (const QChar c : word) {
        if (c.isDigit())
            return true;
    }
    return false;
}

} // namespace spell
