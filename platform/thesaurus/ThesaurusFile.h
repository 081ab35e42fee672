#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// A thesaurus on disk: an index of its words and a data file with each
// word's meanings, every meaning a part of speech and its synonyms. The data
// file names its own character set on its first line; words go in and come
// out in it.
namespace thesaurus {

struct Meaning {
    QString definition;   // the part of speech and the meaning's first word: "(adj) glad"
    QStringList synonyms; // as the file writes them, notes included: "content (related term)"
};

class ThesaurusFile {
public:
    ~ThesaurusFile();
    ThesaurusFile(const ThesaurusFile&) = delete;
    ThesaurusFile& operator=(const ThesaurusFile&) = delete;

    // The thesaurus of these two files; none when either cannot be read.
    static std::unique_ptr<ThesaurusFile> open(const QString& indexPath, const QString& dataPath);
    // The thesaurus installed with the program: the data file "VSTH_AE.THE"
    // in the program folder with its index "VSTH_AE.idx" beside it, or else
    // the system's English thesaurus. None when neither is there.
    static std::unique_ptr<ThesaurusFile> openInstalled(const QString& programFolder);

    // The meanings the file holds for exactly this key (see lookupKey); none
    // for a word it does not know.
    QList<Meaning> lookup(const QString& key) const;
    // The character set the data file declares.
    QString encoding() const;

private:
    struct Files;
    explicit ThesaurusFile(std::unique_ptr<Files> files);
    std::unique_ptr<Files> files_;
};

} // namespace thesaurus
