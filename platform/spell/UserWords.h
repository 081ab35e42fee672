#pragma once

#include <QString>
#include <QStringList>

namespace spell {

// A user dictionary: a plain text file of words, one a line, in UTF-8. The
// words the user adds are written at once, so they are kept across runs.
class UserWords {
public:
    // Reads the list; a missing file is an empty list, made on the first add.
    void load(const QString& path);
    const QString& path() const { return path_; }
    const QStringList& words() const { return words_; }

    // Adds a word to the list and writes the file; throws 3051 when it cannot.
    void add(const QString& word);

private:
    QString path_;
    QStringList words_;
};

} // namespace spell
