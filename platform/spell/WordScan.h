#pragma once

#include <QString>

#include <vector>

namespace spell {

// A word of a text: where it starts and how many characters it has.
struct WordSpan {
    int start = 0;
    int length = 0;
    bool isEmpty() const { return length == 0; }
    int end() const { return start + length; }
};

// Letters and digits make words; an apostrophe or a hyphen joins two parts
// of one word ("captain's", "fire-fighter") but never starts or ends one.
bool isWordCharacter(QChar c);
bool isJoiner(QChar c);

// Whether a typed character closes the word before it: anything printable
// that cannot be part of a word (a blank, punctuation, a line end).
bool closesWord(QChar typed);

// The word that ends at `end` (the position of the character that closed
// it), or an empty span when none does. Looks back only as far as the word
// reaches, so a long text costs no more than a short one.
WordSpan wordEndingAt(const QString& text, int end);

// The word the caret at `position` stands in or just after; empty when it
// stands before a word or between words.
WordSpan wordAt(const QString& text, int position);

// The next word starting at or after `from`; empty when there is none.
WordSpan nextWord(const QString& text, int from);

// Words holding a digit ("2nd", "1500gpm") are numbers, not spelling.
bool holdsDigit(const QString& word);

} // namespace spell
