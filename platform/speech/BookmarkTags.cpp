#include "platform/speech/BookmarkTags.h"

#include <QRegularExpression>

namespace speech {

QList<int> TaggedText::marks() const
{
    QList<int> numbers;
    for (const TextSegment& segment : segments) {
        if (segment.mark)
            numbers.append(*segment.mark);
    }
    return numbers;
}

TaggedText parseBookmarkTags(const QString& text)
{
    const QRegularExpression tag(QStringLiteral(R"(\\mrk=([+-]?\d{1,10})\\)"),
                                 QRegularExpression::CaseInsensitiveOption);
    TaggedText result;
    qsizetype from = 0;
    QString pending;
    auto matches = tag.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        bool fits = false;
        const int number = match.captured(1).toInt(&fits);
        if (!fits)
            continue; // out of range: left in the text, spoken as written
        pending += text.mid(from, match.capturedStart() - from);
        result.plainText += pending;
        result.segments.append({pending, number});
        pending.clear();
        from = match.capturedEnd();
    }
    pending += text.mid(from);
    result.plainText += pending;
    if (!pending.isEmpty() || result.segments.isEmpty())
        result.segments.append({pending, std::nullopt});
    return result;
}

QString toSsml(const TextSegment& segment)
{
    QString ssml = QStringLiteral("<speak>") + segment.text.toHtmlEscaped();
    if (segment.mark)
        ssml += QStringLiteral("<mark name=\"%1\"/>").arg(*segment.mark);
    ssml += QStringLiteral("</speak>");
    return ssml;
}

} // namespace speech
