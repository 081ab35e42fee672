#include "support/FullDisk.h"
#include "support/SpellingAnswers.h"

#include "platform/core/Errors.h"
#include "platform/spell/SpellChecker.h"
#include "platform/spell/TextTarget.h"
#include "platform/spell/WordScan.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

using spell::SpellChecker;

namespace {

// The main dictionary as the program folder holds it.
QString mainDictionary()
{
    return QStringLiteral(DRILLBOOK_SAMPLE_DIR "/VSSP_AE.DCT");
}

// A text the dialog works through, kept in memory.
struct PlainText : spell::TextTarget {
    QString value;
    QString text() const override { return value; }
    void replace(int start, int length, const QString& replacement) override
    {
        value.replace(start, length, replacement);
    }
};

// A word list as the user's folder holds it.
bool writeList(const QString& path, const QByteArray& bytes)
{
    QFile list(path);
    return list.open(QIODevice::WriteOnly) && list.write(bytes) == bytes.size();
}

QByteArray readList(const QString& path)
{
    QFile list(path);
    return list.open(QIODevice::ReadOnly) ? list.readAll() : QByteArray();
}

struct Flag {
    int start;
    int length;
    QString word;
};

} // namespace

// The spell checker on the real main dictionary: which words it takes, the
// user's own words, checking while typing, and the dialog's walk of a text.
class tst_SpellChecker : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    std::unique_ptr<SpellChecker> checker(const QString& userList = {})
    {
        auto made = std::make_unique<SpellChecker>();
        made->setMainDictionary(mainDictionary());
        if (!userList.isEmpty())
            made->setUserDictionary(dir.filePath(userList));
        return made;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    // The word a closing character ends, and the words of a text: apostrophes
    // and hyphens join, never start or end a word.
    void wordBoundaries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("word");
        QTest::newRow("plain") << "the teh " << 7 << "teh";
        QTest::newRow("possessive") << "the captain's " << 13 << "captain's";
        QTest::newRow("curly apostrophe") << QString::fromUtf8("captain\u2019s,") << 9 << QString::fromUtf8("captain\u2019s");
        QTest::newRow("quoted") << "'nozzle' " << 8 << "nozzle";
        QTest::newRow("hyphenated") << "fire-fighter." << 12 << "fire-fighter";
        QTest::newRow("dangling hyphen") << "pre- " << 4 << "pre";
        QTest::newRow("number") << "1500 " << 4 << "1500";
        QTest::newRow("two blanks") << "hose  " << 5 << "";
        QTest::newRow("dashes only") << "a -- " << 4 << "";
        QTest::newRow("start of text") << " x" << 0 << "";
    }
    void wordBoundaries()
    {
        QFETCH(QString, text);
        QFETCH(int, end);
        QFETCH(QString, word);
        const spell::WordSpan span = spell::wordEndingAt(text, end);
        QCOMPARE(text.mid(span.start, span.length), word);
        if (!word.isEmpty()) {
            // The same word is found walking the text from its start.
            spell::WordSpan walked = spell::nextWord(text, 0);
            while (!walked.isEmpty() && walked.end() < span.end())
                walked = spell::nextWord(text, walked.end());
            QCOMPARE(walked.start, span.start);
            QCOMPARE(walked.length, span.length);
        }
    }

    void wordsChecked_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("correct");
        QTest::newRow("plain") << "ladder" << true;
        QTest::newRow("misspelled") << "ladderr" << false;
        QTest::newRow("possessive") << "captain's" << true;
        QTest::newRow("curly possessive") << QString::fromUtf8("captain\u2019s") << true;
        QTest::newRow("misspelled possessive") << "captian's" << false;
        QTest::newRow("capitalised") << "Captain" << true;
        QTest::newRow("all capitals") << "CAPTAIN" << true;
        QTest::newRow("proper noun in lower case") << "chicago" << false;
        QTest::newRow("proper noun") << "Chicago" << true;
        QTest::newRow("number") << "1500" << true;
        QTest::newRow("ordinal") << "2nd" << true;
        QTest::newRow("letters and digits") << "xq7zz" << true;
        QTest::newRow("hyphenated") << "fire-fighter" << true;
        QTest::newRow("hyphenated, one part wrong") << "fier-fighter" << false;
        QTest::newRow("from the user list") << "hoseline" << true;
        QTest::newRow("user list word in capitals") << "SCBA" << true;
    }
    void wordsChecked()
    {
        QFETCH(QString, word);
        QFETCH(bool, correct);
        QFile list(dir.filePath(QStringLiteral("checked.DCT")));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("hoseline\nSCBA\n");
        list.close();
        const auto c = checker(QStringLiteral("checked.DCT"));
        QVERIFY(c->dictionary().isOpen());
        QCOMPARE(c->isCorrect(word), correct);
    }

    // Without its main dictionary the checker cannot tell a typing error
    // from a word it was never given, so it flags nothing.
    void missingMainDictionaryFlagsNothing()
    {
        SpellChecker c;
        c.setMainDictionary(dir.filePath(QStringLiteral("nowhere.DCT")));
        QVERIFY(!c.dictionary().isOpen());
        QVERIFY(c.isCorrect(QStringLiteral("ladderr")));
    }

    void suggestions()
    {
        const auto c = checker();
        c->setWord(QStringLiteral("captian"));
        QCOMPARE(c->suggestionCount(), 2);
        QCOMPARE(c->suggestion(0), QStringLiteral("captain"));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, c->suggestion(2));
        c->setWord(QStringLiteral("qzxqzxqzx"));
        QCOMPARE(c->suggestionCount(), 0);
    }

    // The dictionary forms behind inflected words, which the thesaurus
    // looks up when it lacks the form as typed.
    void stems_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("stems");
        QTest::newRow("plural -es") << "inches" << QStringList{"inch"};
        QTest::newRow("plural -s") << "hoses" << QStringList{"hose"};
        QTest::newRow("past -ied") << "carried" << QStringList{"carry"};
        QTest::newRow("already a stem") << "hose" << QStringList{};
        QTest::newRow("unknown word") << "qzxqzxqzx" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void stems()
    {
        QFETCH(QString, word);
        QFETCH(QStringList, stems);
        QCOMPARE(checker()->dictionary().stems(word), stems);
        spell::Dictionary closed;
        QCOMPARE(closed.stems(word), QStringList{});
    }

    // "Add" writes the word into the user list at once: a checker made
    // later from the same list knows it, and the list keeps its other words.
    void addedWordIsKept()
    {
        QVERIFY(writeList(dir.filePath(QStringLiteral("kept.dct")), "standpipe\n"));
        {
            const auto c = checker(QStringLiteral("kept.dct"));
            c->setDialogEnabled(true);
            testsupport::SpellingAnswers answers;
            answers.dialog(SpellChecker::Add);
            PlainText text;
            text.value = QStringLiteral("Charge the fireground line.");
            c->checkText(text);
            QVERIFY(answers.allUsed());
            QCOMPARE(answers.askedWords, QStringList{QStringLiteral("fireground")});
            QCOMPARE(text.value, QStringLiteral("Charge the fireground line."));
        }
        QCOMPARE(QString::fromUtf8(readList(dir.filePath(QStringLiteral("kept.dct")))),
                 QStringLiteral("standpipe\nfireground\n"));
        const auto later = checker(QStringLiteral("kept.dct"));
        QVERIFY(later->isCorrect(QStringLiteral("fireground")));
        QVERIFY(!checker()->isCorrect(QStringLiteral("fireground")));
    }

    // The list keeps every byte it held (a word in another encoding, a list
    // without its last line end); a list that is there but cannot be read is
    // never written over, and the walk goes on, naming the word not kept.
    void addKeepsTheListWhole()
    {
        const QByteArray before = "standpipe\nGr\xfcnhose";
        QVERIFY(writeList(dir.filePath(QStringLiteral("bytes.dct")), before));
        {
            const auto c = checker(QStringLiteral("bytes.dct"));
            c->setDialogEnabled(true);
            testsupport::SpellingAnswers answers;
            answers.dialog(SpellChecker::Add);
            PlainText text;
            text.value = QStringLiteral("fireground");
            c->checkText(text);
            QVERIFY(c->unsavedWords().isEmpty());
        }
        QCOMPARE(readList(dir.filePath(QStringLiteral("bytes.dct"))), before + "\nfireground\n");

        // A folder where the list should be: it cannot be read, so nothing
        // is written, the word is known for the run and the walk goes on.
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("folder.dct")));
        const auto c = checker(QStringLiteral("folder.dct"));
        c->setDialogEnabled(true);
        testsupport::SpellingAnswers answers;
        answers.dialog(SpellChecker::Add);
        answers.dialog(SpellChecker::Change, QStringLiteral("ladder"));
        PlainText text;
        text.value = QStringLiteral("fireground ladderr fireground");
        c->checkText(text);
        QVERIFY(answers.allUsed());
        QCOMPARE(text.value, QStringLiteral("fireground ladder fireground"));
        QCOMPARE(c->unsavedWords().size(), 1);
        QVERIFY(c->unsavedWords().first().startsWith(QStringLiteral("fireground")));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder.dct"))).isDir());
    }

    // A word the disk refuses leaves the list as it was, to the byte, also
    // once there is room again, and is named with the reason; a later add
    // keeps both. A full file system where the test may mount one, and a
    // file size limit that refuses the write everywhere.
    void refusedWriteKeepsTheList_data() { testsupport::refusedWriteRows(); }

    void refusedWriteKeepsTheList()
    {
        QFETCH(bool, fullFilesystem);
        QFETCH(QString, reason);
        testsupport::RefusingDisk disk(fullFilesystem);
        if (!disk.ready())
            QSKIP(qPrintable(disk.whyNot()));
        const QString path = disk.filePath(QStringLiteral("lexo.dct"));
        const QByteArray before = "standpipe\nnozzle\nhydrant\n";
        QVERIFY(writeList(path, before));
        const auto addFireground = [&] {
            SpellChecker c;
            c.setMainDictionary(mainDictionary());
            c.setUserDictionary(path);
            c.setDialogEnabled(true);
            testsupport::SpellingAnswers answers;
            answers.dialog(SpellChecker::Add);
            PlainText text;
            text.value = QStringLiteral("fireground");
            c.checkText(text);
            return c.unsavedWords();
        };
        QVERIFY(disk.refuse(4));
        const QStringList unsaved = addFireground();
        QVERIFY(disk.allow());
        QCOMPARE(unsaved.size(), 1);
        QVERIFY2(unsaved.first().startsWith(QStringLiteral("fireground")) && unsaved.first().contains(reason),
                 qPrintable(unsaved.first()));
        QCOMPARE(readList(path), before);
        QVERIFY(addFireground().isEmpty());
        QCOMPARE(readList(path), before + "fireground\n");
    }

    // The dialog's walk: each answer's effect on the text, the count of
    // handled errors and the buttons reported.
    void dialogWalk_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QStringList>("replacements");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<int>("handled");
        QTest::newRow("change takes the first suggestion")
            << "Check the hydrnat now." << QList<int>{SpellChecker::Change} << QStringList{QString()}
            << "Check the hydrant now." << QStringList{"hydrnat"} << 1;
        QTest::newRow("change to a typed spelling, longer and shorter")
            << "teh wnet to teh hose" << QList<int>{SpellChecker::Change, SpellChecker::Change, SpellChecker::Change}
            << QStringList{"The", "went", "the"} << "The went to the hose" << QStringList{"teh", "wnet", "teh"} << 3;
        QTest::newRow("change all fixes the later ones unasked")
            << "teh nozle and teh hose" << QList<int>{SpellChecker::ChangeAll, SpellChecker::Ignore}
            << QStringList{"the", QString()} << "the nozle and the hose" << QStringList{"teh", "nozle"} << 2;
        QTest::newRow("ignore asks again, ignore all does not")
            << "nozle nozle ladderr ladderr"
            << QList<int>{SpellChecker::Ignore, SpellChecker::Ignore, SpellChecker::IgnoreAll}
            << QStringList{QString(), QString(), QString()} << "nozle nozle ladderr ladderr"
            << QStringList{"nozle", "nozle", "ladderr"} << 0;
        QTest::newRow("cancel leaves the rest")
            << "nozle ladderr" << QList<int>{SpellChecker::Cancel} << QStringList{QString()} << "nozle ladderr"
            << QStringList{"nozle"} << 0;
        QTest::newRow("changing to the same word handles nothing")
            << "nozle" << QList<int>{SpellChecker::Change} << QStringList{"nozle"} << "nozle" << QStringList{"nozle"}
            << 0;
        QTest::newRow("no error, no dialog") << "Advance the hose line." << QList<int>{} << QStringList{}
                                             << "Advance the hose line." << QStringList{} << 0;
    }
    void dialogWalk()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, codes);
        QFETCH(QStringList, replacements);
        QFETCH(QString, result);
        QFETCH(QStringList, asked);
        QFETCH(int, handled);
        const auto c = checker();
        c->setDialogEnabled(true);
        QList<int> reported;
        connect(c.get(), &SpellChecker::dialogButton, this, [&](int& code) { reported << code; });
        testsupport::SpellingAnswers answers;
        for (int i = 0; i < codes.size(); ++i)
            answers.dialog(codes[i], replacements[i]);
        PlainText target;
        target.value = text;
        c->checkText(target);
        QCOMPARE(answers.unexpected, 0);
        QVERIFY(answers.allUsed());
        QCOMPARE(target.value, result);
        QCOMPARE(answers.askedWords, asked);
        QCOMPARE(c->errorsHandled(), handled);
        QCOMPARE(reported, codes.mid(0, asked.size()));
    }

    // The dialog offers the main dictionary's spellings, best first.
    void dialogOffersSuggestions()
    {
        const auto c = checker();
        c->setDialogEnabled(true);
        testsupport::SpellingAnswers answers;
        answers.dialog(SpellChecker::Ignore);
        PlainText target;
        target.value = QStringLiteral("captian");
        c->checkText(target);
        QCOMPARE(answers.offered.value(0), (QStringList{"captain", "caption"}));
    }

    // With the dialog switched off (a run was cancelled) nothing is asked.
    void switchedOffChecksNothing()
    {
        const auto c = checker();
        c->setDialogEnabled(false);
        testsupport::SpellingAnswers answers;
        PlainText target;
        target.value = QStringLiteral("teh nozle");
        c->checkText(target);
        QCOMPARE(answers.askedWords, QStringList{});
    }

    // While typing, a word is checked when the character that closes it
    // lands, in one-line and many-line editors alike.
    void typedWordsFlagged_data()
    {
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("flagged");
        for (bool multi : {false, true}) {
            const char* kind = multi ? "many lines: " : "one line: ";
            auto row = [&](const char* name) -> QTestData& {
                return QTest::newRow(qPrintable(QString::fromLatin1(kind) + QLatin1String(name)));
            };
            row("misspelled word closed by a blank") << multi << "Open teh " << QStringList{"teh@5"};
            row("word still being typed") << multi << "Open teh" << QStringList{};
            row("closed by punctuation") << multi << "The nozle," << QStringList{"nozle@4"};
            row("correct words") << multi << "Charge the line. " << QStringList{};
            row("possessive") << multi << "The captain's hose " << QStringList{};
            row("hyphen does not close") << multi << "fier-" << QStringList{};
            row("hyphenated word") << multi << "a fier-fighter " << QStringList{"fier-fighter@2"};
            row("number") << multi << "Use 2nd line " << QStringList{};
            row("each word once") << multi << "teh  wnet " << QStringList{"teh@0", "wnet@5"};
        }
    }
    void typedWordsFlagged()
    {
        QFETCH(bool, multiLine);
        QFETCH(QString, typed);
        QFETCH(QStringList, flagged);
        QWidget window;
        QWidget* editor = multiLine ? static_cast<QWidget*>(new QPlainTextEdit(&window))
                                    : static_cast<QWidget*>(new QLineEdit(&window));
        window.show();
        const auto c = checker();
        c->attach(editor);
        QStringList seen;
        connect(c.get(), &SpellChecker::wordFlagged, this, [&](int start, int length, bool&) {
            seen << QStringLiteral("%1@%2").arg(c->word()).arg(start);
            QCOMPARE(length, c->word().size());
        });
        for (const QChar key : typed) {
            QTest::keyClicks(editor, QString(key));
            QCoreApplication::processEvents();
        }
        QCOMPARE(seen, flagged);
    }

    // A word still open when the user leaves the editor by Tab or the mouse
    // is checked then, in the editor it was typed into; the focus arriving
    // in the next editor checks nothing there. A word already checked, a
    // text nobody typed into and a locked editor are left alone.
    void leftWordsFlagged_data()
    {
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<QString>("before"); // the editor's text before typing at its end
        // '<' steps the caret back one character; '#' sets the text anew, as
        // a record move does
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byMouse");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QStringList>("flagged");
        for (bool multi : {false, true}) {
            const char* kind = multi ? "many lines: " : "one line: ";
            auto row = [&](const char* name) -> QTestData& {
                return QTest::newRow(qPrintable(QString::fromLatin1(kind) + QLatin1String(name)));
            };
            row("last word, Tab") << multi << "" << "hydrnat" << false << false << QStringList{"hydrnat@0 left"};
            row("last word, mouse") << multi << "Open " << "teh" << true << false << QStringList{"teh@5 left"};
            row("correct last word") << multi << "" << "hydrant" << false << false << QStringList{};
            row("caret inside the word") << multi << "" << "hydrnat<<<" << false << false
                                         << QStringList{"hydrnat@0 left"};
            row("checked once, when closed") << multi << "" << "teh " << false << false << QStringList{"teh@0 typed"};
            row("Backspace reopens the word") << multi << "a " << "\bteh" << false << false
                                             << QStringList{"ateh@0 left"};
            row("nothing typed") << multi << "Open teh" << "" << false << false << QStringList{};
            row("text set anew after typing") << multi << "" << "hydrnat#" << false << false << QStringList{};
            row("locked") << multi << "Open teh" << "x" << true << true << QStringList{};
        }
        // Return ends no word in one line.
        QTest::newRow("one line: Return, then Tab")
            << false << "" << "hydrnat\r" << false << false << QStringList{"hydrnat@0 left"};
        QTest::newRow("many lines: Return, then Tab")
            << true << "" << "hydrnat\r" << false << false << QStringList{"hydrnat@0 typed"};
    }
    void leftWordsFlagged()
    {
        QFETCH(bool, multiLine);
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(bool, byMouse);
        QFETCH(bool, locked);
        QFETCH(QStringList, flagged);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        QWidget* left = multiLine ? static_cast<QWidget*>(new QPlainTextEdit(before)) : new QLineEdit(before);
        if (auto* plain = qobject_cast<QPlainTextEdit*>(left)) {
            plain->setTabChangesFocus(true);
            plain->setReadOnly(locked);
            plain->moveCursor(QTextCursor::End);
        } else {
            static_cast<QLineEdit*>(left)->setReadOnly(locked);
        }
        // The next editor holds a misspelling where the caret of the first
        // stood: nothing of the first editor's typing may reach it.
        auto* next = new QLineEdit(QStringLiteral("wnet hose, wnet hose"));
        layout->addWidget(left);
        layout->addWidget(next);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto c = checker();
        left->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(left->hasFocus());
        c->attach(left);
        // The checker follows the focus, as its window attaches it.
        connect(qApp, &QApplication::focusChanged, c.get(), [&](QWidget*, QWidget* now) { c->attach(now); });
        QStringList seen;
        connect(c.get(), &SpellChecker::wordFlagged, this, [&](int start, int length, bool&) {
            const bool inLeft = c->attached() == left && left->hasFocus();
            seen << QStringLiteral("%1@%2 %3")
                        .arg(c->word())
                        .arg(start)
                        .arg(inLeft ? "typed" : c->attached() == left ? "left" : "elsewhere");
            QCOMPARE(length, c->word().size());
        });
        for (const QChar key : typed) {
            if (key == QLatin1Char('<'))
                QTest::keyClick(left, Qt::Key_Left);
            else if (key == QLatin1Char('\b'))
                QTest::keyClick(left, Qt::Key_Backspace);
            else if (key == QLatin1Char('\r'))
                QTest::keyClick(left, Qt::Key_Return);
            else if (key == QLatin1Char('#') && multiLine)
                static_cast<QPlainTextEdit*>(left)->setPlainText(QStringLiteral("Open teh"));
            else if (key == QLatin1Char('#'))
                static_cast<QLineEdit*>(left)->setText(QStringLiteral("Open teh"));
            else
                QTest::keyClicks(left, QString(key));
            QCoreApplication::processEvents();
        }
        if (byMouse)
            QTest::mouseClick(next, Qt::LeftButton);
        else
            QTest::keyClick(left, Qt::Key_Tab);
        QTRY_VERIFY(next->hasFocus());
        QCoreApplication::processEvents();
        QCOMPARE(seen, flagged);
    }

    // A key the editor refuses changes nothing, so nothing is checked again;
    // a detached editor is no longer watched.
    void refusedKeysAndDetachedEditors()
    {
        QWidget window;
        auto* editor = new QLineEdit(QStringLiteral("Open teh"), &window);
        window.show();
        const auto c = checker();
        int flags = 0;
        connect(c.get(), &SpellChecker::wordFlagged, this, [&](int, int, bool&) { ++flags; });
        c->attach(editor);
        editor->setReadOnly(true);
        editor->setCursorPosition(8);
        QTest::keyClicks(editor, QStringLiteral(" "));
        QCoreApplication::processEvents();
        QCOMPARE(flags, 0);
        editor->setReadOnly(false);
        c->attach(nullptr);
        QTest::keyClicks(editor, QStringLiteral(" "));
        QCoreApplication::processEvents();
        QCOMPARE(flags, 0);
        c->attach(editor);
        editor->setText(QStringLiteral("Open teh"));
        editor->setCursorPosition(8);
        QTest::keyClicks(editor, QStringLiteral(" "));
        QCoreApplication::processEvents();
        QCOMPARE(flags, 1);
    }
};

QTEST_MAIN(tst_SpellChecker)
#include "tst_spellchecker.moc"
