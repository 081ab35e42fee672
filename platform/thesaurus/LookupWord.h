#pragma once

#include <QList>
#include <QString>

// How a selected piece of text becomes a word the thesaurus files hold, and
// how a synonym taken from them goes back in its place. The files hold words
// in lower case with straight apostrophes; a selection may carry the blanks
// and marks around a word, a capital at the start of a sentence or a
// typographic apostrophe.
namespace thesaurus {

// Where a word lies in a text, in characters.
struct WordSpan {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const WordSpan&) const = default;
};

// The places worth looking up in `text`, best first: the text without the
// blanks and punctuation around it (apostrophes and hyphens kept, since words
// such as "'tween decks" begin with one), then the same without apostrophes
// at its ends (a word in single quotes). None when no letter or digit is left.
QList<WordSpan> wordSpans(const QString& text);

// The key the thesaurus files use for a word: lower case, straight apostrophes.
QString lookupKey(QStringView word);

// A synonym without the thesaurus's own note after it ("(similar term)").
QString plainSynonym(const QString& entry);

// The synonym in place of the word at `span` of `lookedUp`: the text around
// the word stays, and the synonym takes the word's capitals (a word in
// capitals gives capitals, a capital first letter gives one).
QString fitToLookedUp(const QString& lookedUp, WordSpan span, const QString& synonym);

} // namespace thesaurus
