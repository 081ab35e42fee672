#pragma once

#include "platform/spell/Dictionary.h"
#include "platform/spell/UserWords.h"
#include "platform/spell/WordScan.h"

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSet>

class QWidget;

namespace spell {

class TextTarget;

// The spell checker of a window: a main dictionary and a user word list,
// checking while the user types into one edit box, and a dialog that works
// through a whole text.
//
// While typing, each word is checked once, when the character that closes
// it lands; the report comes after the key has been handled, so whoever
// answers it may change the text freely. A word still being typed when the
// user leaves the editor by Tab or the mouse is checked as the focus leaves
// (answers seldom end in punctuation), while the editor still counts as
// the one reported about. The flagged word then is word(),
// its suggestions suggestionCount() and suggestion(i), and wordPosition()
// where it stands on the screen.
class SpellChecker : public QObject {
    Q_OBJECT
public:
    explicit SpellChecker(QObject* parent = nullptr);
    ~SpellChecker() override;

    // ---- Dictionaries ---------------------------------------------------------
    void setMainDictionary(const QString& path);
    QString mainDictionary() const { return mainPath_; }
    // The user word list: its words are known from now on, and "Add" writes
    // into it. Words of an earlier list stay known for the run.
    void setUserDictionary(const QString& path);
    QString userDictionary() const { return userWords_.path(); }

    bool isCorrect(const QString& word) const;
    const Dictionary& dictionary() const { return dictionary_; }

    // ---- The flagged word ------------------------------------------------------
    QString word() const { return word_; }
    // Setting the word looks up its suggestions.
    void setWord(const QString& word);
    int suggestionCount() const { return int(suggestions_.size()); }
    // Throws 5 for an index outside the list.
    QString suggestion(int index) const;
    // Bottom left of the flagged word on the screen, in pixels.
    QPoint wordPosition() const { return wordPosition_; }
    // Free text its window keeps on the checker.
    QString tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // ---- Checking while typing -----------------------------------------------------
    // Watches a line or text editor; null stops watching.
    void attach(QWidget* editor);
    QWidget* attached() const { return editor_; }

    // ---- The spelling dialog ---------------------------------------------------------
    // While off, checkText() checks nothing: a run that was cancelled ends.
    bool dialogEnabled() const { return dialogEnabled_; }
    void setDialogEnabled(bool on) { dialogEnabled_ = on; }
    // Works through the text, asking the user in the spelling dialog about
    // each word not in the dictionaries. "Cancel" leaves the rest of this text.
    void checkText(TextTarget& text);
    // The words changed through the dialog since the count was last reset.
    int errorsHandled() const { return errorsHandled_; }
    void resetErrorsHandled() { errorsHandled_ = 0; }
    // Why the last words "Add" took could not be written to the word list
    // (they are known for this run all the same); empty when all were.
    const QStringList& unsavedWords() const { return unsavedWords_; }
    void clearUnsavedWords() { unsavedWords_.clear(); }

    // The dialog's button codes.
    enum Button { ChangeAll = 1, Change = 2, Ignore = 3, IgnoreAll = 4, Add = 5, Cancel = 6 };

signals:
    // A word just typed into the attached editor is not in the dictionaries.
    void wordFlagged(int start, int length, bool& handled);
    // A button of the spelling dialog was pressed.
    void dialogButton(int& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkTypedWord();
    void checkLeftWord();
    void report(const WordSpan& span, const QString& text);
    bool editorHoldsTyping() const;
    QString editorText() const;
    int editorCaret() const;
    QPoint screenPositionOf(const WordSpan& word) const;
    void addUserWord(const QString& word);

    Dictionary dictionary_;
    UserWords userWords_;
    QString mainPath_;
    QSet<QString> ignored_;             // "Ignore All"
    QHash<QString, QString> changeAll_; // "Change All"

    QString word_;
    QStringList suggestions_;
    QPoint wordPosition_;
    QString tag_;

    QPointer<QWidget> editor_;
    bool checkPending_ = false;
    QString textBeforeKey_;
    int insertAt_ = 0;      // where the closing character lands
    bool wordOpen_ = false; // keys went into a word no closing character has ended yet
    bool openBeforeKey_ = false;

    bool dialogEnabled_ = false;
    int errorsHandled_ = 0;
    QStringList unsavedWords_;
};

} // namespace spell
