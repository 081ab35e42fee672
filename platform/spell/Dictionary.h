#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace spell {

// The main dictionary and the words added to it for this run. A dictionary
// file named "X.DCT" (any extension) is read as the pair "X.aff" and
// "X.dic" beside it. Without a main dictionary nothing is flagged: the
// checker cannot tell a typing error from a word it was never given.
class Dictionary {
public:
    Dictionary();
    ~Dictionary();
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    // False (and no main dictionary) when the pair is missing or unreadable.
    bool open(const QString& path);
    bool isOpen() const;

    // Whether the word is spelled right. Numbers and words holding a digit
    // always are; apostrophes may be typed straight or curly.
    bool check(const QString& word) const;
    // Spellings the main dictionary offers for a word, best first.
    QStringList suggest(const QString& word) const;
    // The dictionary forms an inflected word comes from ("inches" gives
    // "inch", "carried" "carry"), without the word itself; none for a word
    // the main dictionary cannot take apart.
    QStringList stems(const QString& word) const;

    // A word known from now on, for this run (user lists, "Ignore All").
    // Kept across a change of the main dictionary.
    void addWord(const QString& word);

private:
    struct Engine;
    std::unique_ptr<Engine> engine_;
    QStringList added_;
};

} // namespace spell
