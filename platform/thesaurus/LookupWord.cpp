#include "platform/thesaurus/LookupWord.h"

namespace thesaurus {

namespace {

bool isApostrophe(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2018) || c == QChar(0x2019);
}

// Characters a word may start or end with.
bool keepsAtEdge(QChar c, bool apostrophes)
{
    return c.isLetterOrNumber() || c == QLatin1Char('-') || (apostrophes && isApostrophe(c));
}

WordSpan trimmed(const QString& text, WordSpan span, bool apostrophes)
{
    qsizetype start = span.start;
    qsizetype end = span.start + span.length;
    while (start < end && !keepsAtEdge(text.at(start), apostrophes))
        ++start;
    while (end > start && !keepsAtEdge(text.at(end - 1), apostrophes))
        --end;
    return {start, end - start};
}

bool hasLetterOrDigit(QStringView text)
{
    for (QChar c : text) {
        if (c.isLetterOrNumber())
            return true;
    }
    return false;
}

} // namespace

QList<WordSpan> wordSpans(const QString& text)
{
    QList<WordSpan> spans;
    const WordSpan outer = trimmed(text, {0, text.size()}, true);
    if (!hasLetterOrDigit(QStringView(text).mid(outer.start, outer.length)))
        return spans;
    spans.append(outer);
    const WordSpan inner = trimmed(text, outer, false);
    if (inner != outer && hasLetterOrDigit(QStringView(text).mid(inner.start, inner.length)))
        spans.append(inner);
    return spans;
}

QString lookupKey(QStringView word)
{
    QString key = word.toString().toLower();
    for (QChar& c : key) {
        if (isApostrophe(c))
            c = QLatin1Char('\'');
    }
    return key;
}

QString plainSynonym(const QString& entry)
{
    QString word = entry.trimmed();
    if (word.endsWith(QLatin1Char(')'))) {
        const qsizetype open = word.lastIndexOf(QLatin1String(" ("));
        if (open > 0)
            word.truncate(open);
    }
    return word.trimmed();
}

QString fitToLookedUp(const QString& lookedUp, WordSpan span, const QString& synonym)
{
    const QStringView word = QStringView(lookedUp).mid(span.start, span.length);
    int letters = 0;
    int capitals = 0;
    bool firstIsCapital = false;
    for (QChar c : word) {
        if (!c.isLetter())
            continue;
        if (letters == 0)
            firstIsCapital = c.isUpper();
        ++letters;
        if (c.isUpper())
            ++capitals;
    }
    QString fitted = synonym;
    if (letters > 1 && capitals == letters)
        fitted = synonym.toUpper();
    else if (firstIsCapital && !fitted.isEmpty())
        fitted[0] = fitted.at(0).toUpper();
    return lookedUp.left(span.start) + fitted + lookedUp.mid(span.start + span.length);
}

} // namespace thesaurus
