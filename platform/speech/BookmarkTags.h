#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace speech {

// One stretch of a speak request: the words up to a bookmark tag, then the
// tag's number. The last stretch of a text that does not end in a tag has no
// mark.
struct TextSegment {
    QString text;
    std::optional<int> mark;

    bool operator==(const TextSegment&) const = default;
};

// A speak request with its bookmark tags ("\mrk=5\") taken out: what the
// balloon shows and the stretches the synthesizer speaks, mark by mark.
struct TaggedText {
    QString plainText;
    QList<TextSegment> segments;

    QList<int> marks() const;
};

// Splits a text at its bookmark tags. A tag is "\mrk=N\" in any letter case
// with N a whole number that fits 32 bits; anything else, a malformed tag
// included, is spoken as it stands.
TaggedText parseBookmarkTags(const QString& text);

// The SSML for one stretch: its words, escaped, followed by <mark name="N"/>
// when it ends in a tag, so the synthesizer reports the moment the speech
// reaches the tag.
QString toSsml(const TextSegment& segment);

} // namespace speech
