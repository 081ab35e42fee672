#pragma once

#include "platform/thesaurus/LookupWord.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace thesaurus {

class ThesaurusFile;
struct Meaning;

// The thesaurus as a control on a window: given a word it looks it up in the
// thesaurus installed with the program and lists the word's meanings; the
// meaning picked lists its synonyms, and picking a synonym makes it the
// chosen word and raises wordChosen. The thesaurus files are read at the
// first lookup.
class ThesaurusControl : public QWidget {
    Q_OBJECT
public:
    // programFolder: where the program keeps its own thesaurus (see
    // ThesaurusFile::openInstalled).
    ThesaurusControl(QWidget* parent, QString programFolder);
    ~ThesaurusControl() override;

    // Gives the dictionary forms of an inflected word ("inches" gives
    // "inch"). The thesaurus lists few plurals or past forms, so a word it
    // lacks as typed is looked up by these forms instead.
    using Stemmer = std::function<QStringList(const QString& word)>;
    void setStemmer(Stemmer stemmer) { stemmer_ = std::move(stemmer); }

    // The text the control shows as its word; setting it clears the lists
    // without a lookup.
    QString text() const { return text_; }
    void setText(const QString& text);

    // The word looked up; setting it looks the word up and lists its meanings.
    QString word() const { return text_; }
    void setWord(const QString& word);

    // The synonym the user picked last, fitted to the word looked up (its
    // capitals and the blanks around it); empty before a pick.
    QString chosenWord() const { return chosenWord_; }

    // What the lists show, for whoever reads them (a screen reader, a test).
    QStringList meanings() const;
    QStringList synonyms() const;
    QString notice() const;

    // Picks a listed meaning or synonym as the user does.
    void pickMeaning(int row);
    void pickSynonym(int row);

signals:
    void wordChosen();

private:
    void showMeaning(int row);
    void synonymPicked(QListWidgetItem* item);
    bool haveFile();
    QList<Meaning> lookUp(const QString& word, const QList<WordSpan>& spans);

    QString programFolder_;
    std::unique_ptr<ThesaurusFile> file_;
    bool fileTried_ = false;
    Stemmer stemmer_;

    QString text_;
    WordSpan found_;
    QList<QStringList> synonymsOfMeaning_;
    QString chosenWord_;

    QLabel* wordLabel_;
    QListWidget* meaningList_;
    QListWidget* synonymList_;
    QLabel* noticeLabel_;
};

} // namespace thesaurus
