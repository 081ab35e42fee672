#include "support/FileQuery.h"
#include "support/FullDisk.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"
#include "support/SpellingAnswers.h"

#include "platform/forms/Hourglass.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/spell/SpellChecker.h"
#include "questionwindow/frmMain.h"

#include <QFile>
#include <QtTest>

using questionwindow::frmMain;
using spell::SpellChecker;
using testsupport::executeSql;
using testsupport::queryValue;
namespace sample = testsupport::sample;

// Spelling in the question window: words flagged while typing into the edit
// boxes and how they are answered, and the toolbar's "Spell Check" over the
// whole set.
class tst_Spelling : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    // The hose chapter on screen, ready for typing when unlocked.
    frmMain& shownHoseChapter(bool unlocked)
    {
        auto& w = fixture->showChapter(sample::hose);
        if (!QTest::qWaitForWindowActive(&w))
            qWarning("the question window is not active");
        if (unlocked)
            w.mnuUnlock->trigger();
        return w;
    }

    static void focus(forms::TextBox* box)
    {
        box->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(box->editor()->hasFocus());
    }

    // Types into the box after its text, a key at a time, letting each
    // flagged word be answered before the next key.
    static void typeAtEnd(forms::TextBox* box, const QString& keys)
    {
        box->setSelStart(int(box->text().size()));
        for (const QChar key : keys) {
            QTest::keyClicks(box->editor(), QString(key));
            QCoreApplication::processEvents();
        }
    }

    // The first n records of the hose chapter in stored order, by ID.
    QList<qint64> hoseIds(int n) const
    {
        QList<qint64> ids;
        for (int i = 0; i < n; ++i) {
            ids << queryValue(fixture->databasePath(),
                              QStringLiteral("SELECT ID FROM table1 WHERE Chapter='Fire Hose' ORDER BY rowid LIMIT 1 OFFSET %1")
                                  .arg(i))
                       .toLongLong();
        }
        return ids;
    }

    // The hose chapter with every record spelled correctly, so a test's own
    // misspellings are the only ones a run meets.
    void spellHoseChapterCorrectly() const
    {
        executeSql(fixture->databasePath(),
                   "UPDATE table1 SET Question='Which hose is used here?', A='Booster line', B='Attack line', "
                   "C='Supply line', D='All of the above', Memo='' WHERE Chapter='Fire Hose'");
    }

private slots:
    void initTestCase() { speech::SpeechEngine::forApplication().setPace(speech::Pace::Instant); }
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    // The load step gives the checker the program folder's main dictionary
    // and the user list "dictionary.DCT", whose words are then known.
    void loadSetsTheDictionaries()
    {
        auto& w = forms::form<frmMain>();
        QVERIFY(w.VSSpell1->dictionary().isOpen());
        QCOMPARE(QFileInfo(w.VSSpell1->userDictionary()).fileName(), QStringLiteral("dictionary.DCT"));
        QCOMPARE(QFileInfo(w.VSSpell1->userDictionary()).absolutePath(), QFileInfo(fixture->folder.path()).absoluteFilePath());
        QVERIFY(w.VSSpell1->isCorrect(QStringLiteral("hoseline")));
        QVERIFY(!w.VSSpell1->isCorrect(QStringLiteral("hoselnie")));
    }

    // A flagged word by its number of suggestions: none leaves it, one
    // replaces it unasked, more are offered in the popup (five at most,
    // after the word itself), and only a chosen suggestion replaces it.
    void typedWordAnswered_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("choice"); // popup item chosen; -1 closes it; -2 no popup expected
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("handled");
        QTest::newRow("no suggestion") << "qzxqzxqzx " << -2 << "Check the qzxqzxqzx " << QStringList{} << false;
        QTest::newRow("one suggestion") << "hydrnat " << -2 << "Check the hydrant " << QStringList{} << true;
        QTest::newRow("two, the first chosen")
            << "captian " << 1 << "Check the captain "
            << QStringList{"captian (not in dictionary)", "captain", "caption"} << true;
        QTest::newRow("two, the second chosen")
            << "captian," << 2 << "Check the caption,"
            << QStringList{"captian (not in dictionary)", "captain", "caption"} << true;
        QTest::newRow("the word itself chosen")
            << "captian " << 0 << "Check the captian "
            << QStringList{"captian (not in dictionary)", "captain", "caption"} << false;
        QTest::newRow("closed unchosen")
            << "captian " << -1 << "Check the captian "
            << QStringList{"captian (not in dictionary)", "captain", "caption"} << false;
        QTest::newRow("thirteen offer five")
            << "teh " << 5 << "Check the tee "
            << QStringList{"teh (not in dictionary)", "the", "eh", "teth", "tech", "tee"} << true;
        QTest::newRow("correct word") << "hydrant " << -2 << "Check the hydrant " << QStringList{} << false;
    }
    void typedWordAnswered()
    {
        QFETCH(QString, typed);
        QFETCH(int, choice);
        QFETCH(QString, result);
        QFETCH(QStringList, shown);
        QFETCH(bool, handled);
        auto& w = shownHoseChapter(true);
        bool reportedHandled = false;
        int reports = 0;
        // Connected after the window's own handler, so it sees the flag as left.
        connect(w.VSSpell1, &SpellChecker::wordFlagged, this, [&](int, int, bool& flag) {
            reportedHandled = flag;
            ++reports;
        });
        testsupport::SpellingAnswers answers;
        if (choice >= -1)
            answers.popup(choice);
        focus(w.txtQuestion);
        w.txtQuestion->setText(QStringLiteral("Check the "));
        typeAtEnd(w.txtQuestion, typed);
        QCOMPARE(w.txtQuestion->text(), result);
        // Typing goes on after the word and the key that ended it.
        QCOMPARE(w.txtQuestion->selStart(), int(result.size()));
        QCOMPARE(answers.unexpected, 0);
        QVERIFY(answers.allUsed());
        QCOMPARE(answers.popupItems.value(0), shown);
        QCOMPARE(reportedHandled, handled);
        QCOMPARE(reports, typed.startsWith(QLatin1String("hydrant")) ? 0 : 1);
    }

    // Every edit box is checked, and the suggestion replaces the word in the
    // box that has the focus, wherever its caret was.
    void everyEditBoxIsChecked_data()
    {
        QTest::addColumn<QString>("box");
        for (const char* name : {"txtQuestion", "txtA", "txtB", "txtC", "txtD", "txtNotes"})
            QTest::newRow(name) << name;
    }
    void everyEditBoxIsChecked()
    {
        QFETCH(QString, box);
        auto& w = shownHoseChapter(true);
        w.cmdShowNotes_Click();
        auto* field = w.findChild<forms::TextBox*>(box);
        focus(field);
        field->setText(QStringLiteral("Open the"));
        typeAtEnd(field, QStringLiteral(" hydrnat "));
        QCOMPARE(field->text(), QStringLiteral("Open the hydrant "));
    }

    // Answers seldom end in punctuation: the last word is checked when the
    // box is left by Tab or the mouse, and answered in that box, never in
    // the one the focus arrives in.
    void lastWordCheckedWhenTheBoxIsLeft_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byMouse");
        QTest::addColumn<int>("choice"); // popup item chosen; -2 no popup expected
        QTest::addColumn<QString>("result");
        QTest::newRow("one suggestion, Tab") << "txtA" << "hydrnat" << false << -2 << "Open the hydrant";
        QTest::newRow("one suggestion, mouse") << "txtNotes" << "hydrnat" << true << -2 << "Open the hydrant";
        QTest::newRow("popup, Tab") << "txtQuestion" << "captian" << false << 2 << "Open the caption";
        QTest::newRow("popup, mouse") << "txtD" << "captian" << true << 1 << "Open the captain";
        QTest::newRow("correct word") << "txtB" << "hydrant" << false << -2 << "Open the hydrant";
    }
    void lastWordCheckedWhenTheBoxIsLeft()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, byMouse);
        QFETCH(int, choice);
        QFETCH(QString, result);
        auto& w = shownHoseChapter(true);
        w.cmdShowNotes_Click();
        auto* field = w.findChild<forms::TextBox*>(box);
        // The box the mouse goes to holds a misspelling of its own.
        forms::TextBox* clicked = field == w.txtC ? w.txtB : w.txtC;
        clicked->setText(QStringLiteral("Charge teh"));
        QHash<forms::TextBox*, QString> others;
        for (auto* other : {w.txtQuestion, w.txtA, w.txtB, w.txtC, w.txtD, w.txtNotes}) {
            if (other != field)
                others.insert(other, other->text());
        }
        testsupport::SpellingAnswers answers;
        if (choice >= 0)
            answers.popup(choice);
        focus(field);
        field->setText(QStringLiteral("Open the "));
        typeAtEnd(field, typed);
        if (byMouse)
            QTest::mouseClick(clicked->editor(), Qt::LeftButton);
        else
            QTest::keyClick(field->editor(), Qt::Key_Tab);
        QTRY_VERIFY(!field->editor()->hasFocus());
        QCoreApplication::processEvents();
        QCOMPARE(field->text(), result);
        QCOMPARE(answers.unexpected, 0);
        QVERIFY(answers.allUsed());
        for (auto it = others.cbegin(); it != others.cend(); ++it)
            QCOMPARE(it.key()->text(), it.value());
    }

    // A popup never shows a spelling of an earlier one.
    void popupItemsAreNeverStale()
    {
        auto& w = shownHoseChapter(true);
        testsupport::SpellingAnswers answers;
        answers.popup(-1);
        answers.popup(-1);
        focus(w.txtA);
        w.txtA->setText(QString());
        typeAtEnd(w.txtA, QStringLiteral("Teh captian "));
        QCOMPARE(answers.popupItems.size(), 2);
        QCOMPARE(answers.popupItems[0].size(), 6);
        QCOMPARE(answers.popupItems[1], (QStringList{"captian (not in dictionary)", "captain", "caption"}));
    }

    // A marker that names no edit box changes no box.
    void unknownMarkerChangesNothing()
    {
        auto& w = shownHoseChapter(true);
        focus(w.txtQuestion);
        w.txtQuestion->setText(QStringLiteral("Open the"));
        w.txtFocus->setText(QStringLiteral("q"));
        typeAtEnd(w.txtQuestion, QStringLiteral(" hydrnat "));
        QCOMPARE(w.txtQuestion->text(), QStringLiteral("Open the hydrnat "));
    }

    // Only "Cancel" in the spelling dialog ends the run.
    void dialogButtons_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("stillOn");
        QTest::newRow("Change All") << 1 << true;
        QTest::newRow("Change") << 2 << true;
        QTest::newRow("Ignore") << 3 << true;
        QTest::newRow("Ignore All") << 4 << true;
        QTest::newRow("Add") << 5 << true;
        QTest::newRow("Cancel") << 6 << false;
    }
    void dialogButtons()
    {
        QFETCH(int, code);
        QFETCH(bool, stillOn);
        auto& w = forms::form<frmMain>();
        w.VSSpell1->setDialogEnabled(true);
        w.VSSpell1_DialogButton(code);
        QCOMPARE(w.VSSpell1->dialogEnabled(), stillOn);
    }

    // The toolbar's "Spell Check" works through the question, the notes and
    // the answers of every record, stores the corrections into the records
    // and reports how many it made; the set ends on its first record.
    void toolbarRunCorrectsTheSet()
    {
        spellHoseChapterCorrectly();
        const QList<qint64> ids = hoseIds(2);
        executeSql(fixture->databasePath(),
                   QStringLiteral("UPDATE table1 SET Question='Which hydrnat is used here?', C='Supply nozle' WHERE ID=%1")
                       .arg(ids[0]));
        executeSql(fixture->databasePath(),
                   QStringLiteral("UPDATE table1 SET Memo='Check teh coupling.' WHERE ID=%1").arg(ids[1]));
        auto& w = shownHoseChapter(false);
        fixture->moveTo(w, 1);

        testsupport::SpellingAnswers answers;
        answers.dialog(SpellChecker::Change);
        answers.dialog(SpellChecker::Change);
        answers.dialog(SpellChecker::Change, QStringLiteral("the"));
        fixture->boxes.answer(forms::vbOK);
        w.tbToolBar_ButtonClick(QStringLiteral("Spell Check"));

        QCOMPARE(answers.askedWords, (QStringList{"hydrnat", "nozle", "teh"}));
        QCOMPARE(answers.unexpected, 0);
        fixture->verifyNoBoxes();
        const auto& box = fixture->boxes.shown().last();
        QCOMPARE(box.text, QStringLiteral("Done spell checking. 3 typing errors handled."));
        QCOMPARE(box.title, fixture->app.dialogs().applicationTitle());
        QCOMPARE(box.buttons, forms::vbOKOnly);
        QCOMPARE(box.icon, 0);
        QCOMPARE(w.txtReturn->text().toLongLong(), ids[0]);
        QVERIFY(!forms::hourglassShown());
        // The first record has no notes: the palette closes again.
        QVERIFY(!w.fraNotes->isVisible());

        auto stored = [&](const char* field, qint64 id) {
            return queryValue(fixture->databasePath(),
                              QStringLiteral("SELECT %1 FROM table1 WHERE ID=%2").arg(QLatin1String(field)).arg(id))
                .toString();
        };
        QCOMPARE(stored("Question", ids[0]), QStringLiteral("Which hydrant is used here?"));
        QCOMPARE(stored("C", ids[0]), QStringLiteral("Supply nozzle"));
        QCOMPARE(stored("Memo", ids[1]), QStringLiteral("Check the coupling."));
    }

    // "Cancel" ends the run: no further word is asked about, and with
    // nothing corrected there is no message. A word added is kept in the
    // run's own list "lexo.dct".
    void toolbarRunCancelAndAdd()
    {
        spellHoseChapterCorrectly();
        const QList<qint64> ids = hoseIds(2);
        executeSql(fixture->databasePath(),
                   QStringLiteral("UPDATE table1 SET Question='Which hose did Tamsel use?', A='A nozle' WHERE ID=%1")
                       .arg(ids[0]));
        executeSql(fixture->databasePath(), QStringLiteral("UPDATE table1 SET B='teh line' WHERE ID=%1").arg(ids[1]));
        auto& w = shownHoseChapter(false);

        testsupport::SpellingAnswers answers;
        answers.dialog(SpellChecker::Add);
        answers.dialog(SpellChecker::Cancel);
        w.tbToolBar_ButtonClick(QStringLiteral("Spell Check"));
        QCOMPARE(answers.askedWords, (QStringList{"Tamsel", "nozle"}));
        QCOMPARE(answers.unexpected, 0);
        fixture->verifyNoBoxes();
        QVERIFY(fixture->boxes.shown().isEmpty());

        QFile lexo(fixture->folder.filePath(QStringLiteral("lexo.dct")));
        QVERIFY(lexo.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(lexo.readAll()), QStringLiteral("Tamsel\n"));
        QCOMPARE(queryValue(fixture->databasePath(), QStringLiteral("SELECT B FROM table1 WHERE ID=%1").arg(ids[1])),
                 QVariant(QStringLiteral("teh line")));
    }

    // A word added while the run's word list lies on a disk that refuses the
    // write: the list keeps its bytes, also once there is room again, and the
    // run ends with a box that names the word and the reason. The list in
    // the program folder is a link to a file on that disk.
    void refusedWordIsToldAndTheListKept_data() { testsupport::refusedWriteRows(); }
    void refusedWordIsToldAndTheListKept()
    {
        QFETCH(bool, fullFilesystem);
        QFETCH(QString, reason);
        testsupport::RefusingDisk disk(fullFilesystem);
        if (!disk.ready())
            QSKIP(qPrintable(disk.whyNot()));
        const QString list = disk.filePath(QStringLiteral("lexo.dct"));
        const QByteArray before = "standpipe\nnozzle\nhydrant\n";
        {
            QFile file(list);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(before), before.size());
        }
        const QString inFolder = fixture->folder.filePath(QStringLiteral("lexo.dct"));
        QFile::remove(inFolder);
        QVERIFY(QFile::link(list, inFolder));
        const auto listNow = [&] {
            QFile file(list);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };

        spellHoseChapterCorrectly();
        const QList<qint64> ids = hoseIds(1);
        executeSql(fixture->databasePath(),
                   QStringLiteral("UPDATE table1 SET Question='Which hose did Tamsel use?' WHERE ID=%1").arg(ids[0]));
        auto& w = shownHoseChapter(false);

        testsupport::SpellingAnswers answers;
        answers.dialog(SpellChecker::Add);
        fixture->boxes.answer(forms::vbOK);
        QVERIFY(disk.refuse(4));
        w.tbToolBar_ButtonClick(QStringLiteral("Spell Check"));
        QVERIFY(disk.allow());
        QCOMPARE(answers.askedWords, QStringList{"Tamsel"});
        QCOMPARE(answers.unexpected, 0);
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->boxes.shown().size(), 1);
        const auto& box = fixture->boxes.shown().last();
        QVERIFY2(box.text.contains(QLatin1String("could not be kept in the word list:\nTamsel"))
                     && box.text.contains(reason),
                 qPrintable(box.text));
        QCOMPARE(box.icon, int(forms::vbExclamation));
        QCOMPARE(listNow(), before);
        QVERIFY(QFileInfo(inFolder).isSymLink());
    }

    // A second run reports only its own corrections.
    void secondRunCountsItsOwn()
    {
        spellHoseChapterCorrectly();
        const QList<qint64> ids = hoseIds(1);
        executeSql(fixture->databasePath(),
                   QStringLiteral("UPDATE table1 SET A='A nozle', B='A hydrnat' WHERE ID=%1").arg(ids[0]));
        auto& w = shownHoseChapter(false);
        testsupport::SpellingAnswers answers;
        answers.dialog(SpellChecker::Change);
        answers.dialog(SpellChecker::Ignore);
        fixture->boxes.answer(forms::vbOK);
        w.tbToolBar_ButtonClick(QStringLiteral("Spell Check"));
        answers.dialog(SpellChecker::Change);
        fixture->boxes.answer(forms::vbOK);
        w.tbToolBar_ButtonClick(QStringLiteral("Spell Check"));
        QCOMPARE(answers.askedWords, (QStringList{"nozle", "hydrnat", "hydrnat"}));
        QCOMPARE(fixture->boxes.shown().size(), 2);
        QCOMPARE(fixture->boxes.shown().last().text, QStringLiteral("Done spell checking. 1 typing errors handled."));
    }
};

QTEST_MAIN(tst_Spelling)
#include "tst_spelling.moc"
