#pragma once

#include <QString>
#include <QStringList>

namespace spell {

// A user dictionary: a plain text file of words, one a line, in UTF-8. The
// words the user adds are written at once, so they are kept across runs.
class UserWords {
public:
    // Reads the list; a missing file is an empty list, made on the first add.
    // A list that is there but cannot be read is never written over.
    void load(const QString& path);
    const QString& path() const { return path_; }
    const QStringList& words() const { return words_; }

    // Adds a word to the end of the list and writes the file, keeping every
    // byte it held; throws 3051 when it cannot.
    void add(const QString& word);

private:
    QString path_;
    QStringList words_;
    QByteArray stored_; // the file as it was read or last written
    bool unreadable_ = false;
};

} // namespace spell
