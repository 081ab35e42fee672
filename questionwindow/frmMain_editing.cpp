// Editing the bank from the question window: the edit lock and the
// edit-pending state, the edit fields, the question records (New, Save,
// Delete), and re-labelling a chapter and renumbering the set. The rules
// these steps follow (keys, numbers, the block pass) are editing's own.

#include "questionwindow/frmMain.h"

#include "editing/BlockPass.h"
#include "editing/ChapterCount.h"
#include "editing/EditKeys.h"
#include "editing/NewRecordNumbers.h"
#include "platform/core/Errors.h"
#include "platform/core/RuntimeError.h"
#include "platform/data/Quoting.h"
#include "platform/forms/App.h"
#include "platform/forms/Clipboard.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/Hourglass.h"
#include "platform/forms/KeyAscii.h"
#include "platform/forms/WindowKit.h"
#include "platform/gdi/Color.h"
#include "platform/spell/SpellChecker.h"
#include "questiondb/QuestionNumbers.h"
#include "questionsets/SetLoading.h"
#include "settings/Markers.h"
#include "widgets/XP_ProgressBar.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace questionwindow {

using forms::bestEffort;

// ==== The edit lock ================================================================================================
// The question window's edit lock and its edit-pending state. The lock
// decides whether the question's boxes take typing and the record buttons
// work; while a record is being changed, the window holds everything that
// would leave or replace it until the record is saved. The Enabled state of
// "Lock Questions" is the lock itself: every step that asks reads it there.

namespace {

constexpr const char* formatKeys[] = {"Bold", "Italic", "Underline", "Align Left", "Center", "Align Right"};

} // namespace

bool frmMain::questionsUnlocked() const
{
    return mnuLock->enabled();
}

// Locking and unlocking mirror each other on the same controls.
void frmMain::setEditLock(bool locked)
{
    // The panel says which way the lock went, so it never still reads
    // "Questions Locked" over questions open to typing.
    Status->panel(markers::chapterPanel)
        ->setText(locked ? QStringLiteral("Questions Locked") : QStringLiteral("Questions Unlocked"));
    for (forms::CommandButton* button : {cmdSave, cmdNew, cmdDelete})
        button->setEnabled(!locked);
    for (forms::TextBox* box : {txtChapter, txtQuestion, txtAnswer, txtCall, txtA, txtB, txtC, txtD, txtNotes, txtNum})
        box->setLocked(locked);
    mnuLock->setEnabled(!locked);
    mnuUnlock->setEnabled(locked);
    for (const char* key : formatKeys)
        tbToolBar->button(QString::fromLatin1(key))->setEnabled(!locked);
    // The key that shows is the one that switches the lock the other way.
    tbToolBar->button(QStringLiteral("Lock"))->setVisible(locked);
    tbToolBar->button(QStringLiteral("Unlock"))->setVisible(!locked);
}

void frmMain::mnuLock_Click()
{
    setEditLock(true);
}

void frmMain::mnuUnlock_Click()
{
    setEditLock(false);
}

// The database number's double click unlocks also where the toolbar would
// refuse (the whole bank): the marker it leaves tells the toolbar so.
void frmMain::txtCall_DblClick()
{
    txtQ->setText(markers::unlockedByNumber);
    mnuUnlock_Click();
}

void frmMain::LockStuff()
{
    for (forms::CommandButton* held : {cmdFirst, cmdPrevious, cmdNext, cmdLast, cmdExit, cmdNew, cmdDelete})
        held->setEnabled(false);
    cmdSave->setEnabled(true);
    tbToolBar->button(QStringLiteral("Unlock"))->setEnabled(false);
}

void frmMain::UnLockStuff()
{
    for (forms::CommandButton* freed : {cmdFirst, cmdPrevious, cmdNext, cmdLast, cmdExit, cmdNew, cmdDelete})
        freed->setEnabled(true);
    tbToolBar->button(QStringLiteral("Unlock"))->setEnabled(true);
    cmdSave->setEnabled(false);
}

// ==== The edit fields ==============================================================================================
// The question window's edit fields: the question, its answers, the notes,
// the correct letter, the level and the two numbers. They remember which
// edit box had the focus last, hold the window while a record is being
// typed into (unlocked), start a box's text with a capital, answer from the
// answer texts and the question-number box, and flag typing errors. Cut,
// Copy and Paste work on whichever box has the focus, through the system
// clipboard.

namespace {

constexpr int white = int(gdi::rgb(255, 255, 255));
constexpr int red = int(gdi::rgb(255, 0, 0));
constexpr int black = int(gdi::rgb(0, 0, 0));

// The six edit boxes and what their events do.
struct EditBox {
    forms::TextBox* frmMain::*box;
    const char* letter; // txtFocus
    const char* word;   // txtClip
    bool typingColour;  // typing colours the flag box
    bool leavingEdits;  // leaving the box counts as a change
    int answer;         // the answer a click on it picks while locked; -1 none
};

constexpr EditBox editBoxes[] = {
    {&frmMain::txtQuestion, "Q", "Question", true, false, -1},
    {&frmMain::txtA, "A", "A", true, false, 0},
    {&frmMain::txtB, "B", "B", false, true, 1},
    {&frmMain::txtC, "C", "C", false, false, 2},
    {&frmMain::txtD, "D", "D", true, false, 3},
    {&frmMain::txtNotes, "N", "Notes", false, false, -1},
};

} // namespace

void frmMain::designEditFields()
{
    using Hidden = forms::HiddenBoxDesign<frmMain>;
    static const Hidden boxes[] = {
        {&frmMain::txtFocus, "txtFocus"},
        {&frmMain::txtClip, "txtClip"},
        {&frmMain::txtSpell, "txtSpell", "txtSpell"},
    };
    forms::buildHiddenBoxes(*this, boxes);

    for (const EditBox& edit : editBoxes) {
        forms::TextBox* box = this->*edit.box;
        connect(box, &forms::TextBox::gotFocus, this, [this, box, edit] {
            editBox_GotFocus(*box, QString::fromLatin1(edit.letter), QString::fromLatin1(edit.word));
        });
        connect(box, &forms::TextBox::keyPress, this,
                [this, box, edit](int& keyAscii) { editBox_KeyPress(*box, keyAscii, edit.typingColour); });
        connect(box, &forms::TextBox::lostFocus, this, [this, edit] {
            if (edit.leavingEdits && questionsUnlocked())
                LockStuff();
            editBox_LostFocus();
        });
        if (edit.answer >= 0)
            connect(box, &forms::TextBox::click, this, [this, edit] { answerBox_Click(edit.answer); });
    }
    connect(txtAnswer, &forms::TextBox::keyPress, this, &frmMain::txtAnswer_KeyPress);
    connect(txtAnswer, &forms::TextBox::lostFocus, this, &frmMain::txtAnswer_LostFocus);
    connect(txtLevel, &forms::TextBox::keyPress, this, &frmMain::txtLevel_KeyPress);
    connect(txtNum, &forms::TextBox::keyPress, this, &frmMain::txtNum_KeyPress);
    connect(txtCall, &forms::TextBox::dblClick, this, &frmMain::txtCall_DblClick);
    designSpelling();
}

forms::TextBox* frmMain::focusedEditField() const
{
    for (const EditBox& edit : editBoxes) {
        if (txtFocus->text() == QLatin1String(edit.letter))
            return this->*edit.box;
    }
    return nullptr;
}

forms::TextBox* frmMain::editFieldNamed(const QString& word) const
{
    for (const EditBox& edit : editBoxes) {
        if (word == QLatin1String(edit.word))
            return this->*edit.box;
    }
    return nullptr;
}

forms::TextBox* frmMain::copyMarkedSelection()
{
    forms::clipboard::clear();
    forms::TextBox* field = editFieldNamed(txtClip->text());
    if (field)
        forms::clipboard::setText(field->selText());
    return field;
}

void frmMain::editBox_GotFocus(forms::TextBox& box, const QString& letter, const QString& word)
{
    txtFocus->setText(letter);
    txtClip->setText(word);
    // The checker follows the focus: it checks what is typed into this box.
    VSSpell1->attach(box.editor());
}

void frmMain::editBox_KeyPress(forms::TextBox& box, int& keyAscii, bool typingColour)
{
    keyAscii = editing::firstLetterKey(box.text(), keyAscii);
    // Locked, the box refuses the key by itself.
    if (questionsUnlocked())
        LockStuff();
    if (typingColour && !txtSpell->text().isEmpty()) {
        txtSpell->setForeColor(white);
        txtSpell->setBackColor(red);
    }
}

void frmMain::editBox_LostFocus()
{
    txtSpell->setText(QString());
    txtSpell->setForeColor(black);
    txtSpell->setBackColor(white);
}

// Locked, the answer's text is as good as its option; unlocked, a click only
// places the caret for typing.
void frmMain::answerBox_Click(int index)
{
    if (!questionsUnlocked())
        lblA_Click(index);
}

void frmMain::txtAnswer_KeyPress(int& keyAscii)
{
    keyAscii = editing::upperCaseKey(keyAscii);
    if (questionsUnlocked())
        LockStuff();
}

// The correct letter is compared exactly: no blanks around it.
void frmMain::txtAnswer_LostFocus()
{
    QString letter = txtAnswer->text();
    while (letter.startsWith(QLatin1Char(' ')))
        letter.remove(0, 1);
    while (letter.endsWith(QLatin1Char(' ')))
        letter.chop(1);
    txtAnswer->setText(letter);
}

void frmMain::txtLevel_KeyPress(int& keyAscii)
{
    if (questionsUnlocked())
        LockStuff();
    if (keyAscii == editing::enterKey)
        forms::sendTabKey();
}

// The question-number box also answers: A to D pick that answer and check it.
void frmMain::txtNum_KeyPress(int& keyAscii)
{
    if (questionsUnlocked())
        LockStuff();
    if (keyAscii == editing::enterKey)
        forms::sendTabKey();
    keyAscii = editing::upperCaseKey(keyAscii);
    if (editing::answerIndexOfKey(keyAscii) < 0)
        return;
    const QString shown = txtReturn->text();
    // Picks and answers once, as a letter on a move button does.
    moveButton_KeyPress(keyAscii);
    // A mode that moves on after the answer shows another question, whose
    // number must not take the letter.
    if (txtReturn->text() != shown)
        keyAscii = 0;
}

// ---- Cut, Copy and Paste on the box that has the focus ----------------------
// A locked box gives its text but takes no change.

void frmMain::mnuCopy_Click()
{
    forms::TextBox* box = forms::focusedTextBox();
    if (!box)
        return;
    forms::clipboard::clear();
    forms::clipboard::setText(box->selText());
}

void frmMain::mnuCut_Click()
{
    forms::TextBox* box = forms::focusedTextBox();
    if (!box)
        return;
    mnuCopy_Click();
    if (!box->locked())
        box->setSelText(QString());
}

void frmMain::mnuPaste_Click()
{
    forms::TextBox* box = forms::focusedTextBox();
    if (box && !box->locked())
        box->setSelText(forms::clipboard::text());
}

// ==== The question records =========================================================================================
// The question records of the question window: "New" adds a question to the
// chapter of the question shown, "Save" stores the record shown, "Delete"
// removes it, and a set that the deletion empties offers to add a first
// question. New questions take a database number that no question of the
// bank holds and the next question number of their chapter.

namespace {

inline constexpr QLatin1StringView savedQuestion{"Old"}; // txtNew after any save

// Runs the step to its first failure, and tells the user of a failure with
// what it means for the question on screen. True when the step ran through.
bool runOrTell(const QString& consequence, const forms::Statement& step)
{
    std::optional<platform::RuntimeError> failure;
    const bool ran = forms::leaveOnError([&] {
        try {
            step();
        } catch (const platform::RuntimeError& error) {
            failure = error;
            throw;
        }
    });
    if (failure) {
        forms::msgBox(
            QStringLiteral("%1\n\nError %2: %3").arg(consequence).arg(failure->number()).arg(failure->description()),
            forms::vbOKOnly | forms::vbExclamation, QStringLiteral("Brisolt Software"));
    }
    return ran;
}

} // namespace

qint64 frmMain::newDatabaseNumber() const
{
    const auto next = editing::nextDatabaseNumber(questiondb::largestDatabaseNumber(forms::App::current().path()));
    if (!next)
        throw platform::errors::overflow();
    return *next;
}

QString frmMain::nextQuestionNumberOf(const QString& chapter)
{
    Data2->setRecordSource(QStringLiteral("SELECT * FROM table1 where  Chapter = %1").arg(data::sqlText(chapter)));
    Data2->refresh();
    return editing::nextQuestionNumber(editing::lastNumberedQuestion(Data2->recordset(), *txtCheckqnum));
}

// The chapter is that of the question shown: the set marker may name no
// chapter (the whole bank, a drill set, the double click's "Unlock").
void frmMain::cmdNew_Click()
{
    const QString chapter = txtChapter->text();
    if (chapter.isEmpty())
        return; // no question shown, so no chapter to add to
    runOrTell(QStringLiteral("No new question could be started."), [&] {
        const QString number = nextQuestionNumberOf(chapter);
        const qint64 call = newDatabaseNumber();
        Data1->recordset().addNew();
        txtNew->setText(markers::newQuestion);
        txtCall->setText(QString::number(call));
        LockStuff();
        txtQuestion->setFocus();
        txtChapter->setText(chapter);
        txtAnswer->setVisible(true);
        txtNum->setText(number);
        txtLevel->setText(markers::levelOne);
        txtPicBox->setText(markers::newQuestion);
        // The picture area belongs to the question before.
        for (QWidget* picture : {static_cast<QWidget*>(Picture1), static_cast<QWidget*>(FXImage1),
                                 static_cast<QWidget*>(cmdShow), static_cast<QWidget*>(cmdHide)})
            picture->setVisible(false);
    });
}

// A save that fails leaves the question on screen as typed, still being
// changed, so nothing typed is lost and Save can be pressed again.
void frmMain::cmdSave_Click()
{
    const bool added = txtNew->text() == markers::newQuestion;
    if (!runOrTell(QStringLiteral("The question could not be saved. It stays on screen as typed: press Save again "
                                  "once the question database can be written."),
                   [&] { Data1->updateRecord(); }))
        return;
    // A stored new question joins the end of the set: show it there.
    if (added) {
        bestEffort({
            [&] { Data1->recordset().moveLast(); },
            [&] { questionSet().countInPlace(); },
            [&] { questionSet().markInPlace(); },
        });
    }
    txtNew->setText(savedQuestion);
    UnLockStuff();
    // Reading aloud and printing take the question as stored, all of it.
    Data1_Reposition();
}

void frmMain::cmdDelete_Click()
{
    forms::beep();
    const int answer = forms::msgBox(QStringLiteral("Do You Really Want To Delete This Question?"),
                                     forms::vbYesNoCancel, QStringLiteral("Brisolt"));
    const QString chapter = txtChapter->text().isEmpty() ? txtQ->text() : txtChapter->text();
    if (answer == forms::vbYes) {
        if (!runOrTell(QStringLiteral("The question could not be deleted."), [&] { Data1->recordset().deleteRow(); }))
            return;
        // The question before takes its place; the first one's follower takes the first's.
        bestEffort({
            [&] { Data1->recordset().movePrevious(); },
            [&] {
                if (Data1->recordset().bof())
                    Data1->recordset().moveFirst();
            },
        });
        bestEffort({
            [&] { questionSet().countInPlace(); },
            [&] { questionSet().markInPlace(); },
        });
        recordDisplay();
    }
    if (!Data1->hasRecordset() || Data1->recordset().recordCount() > 0)
        return;

    const int add =
        forms::msgBox(QStringLiteral("No Records, Add Some?"), forms::vbYesNoCancel, QStringLiteral("Brisolt Speaks"));
    if (add != forms::vbYes) {
        Unload();
        return;
    }
    // Questions are added only within a chapter: the whole bank stays empty.
    if (txtQ->text() == markers::wholeBank) {
        forms::msgBox(QStringLiteral("Can Not Unlock Database When Viewing In All Calls Mode. Please Edit Database "
                                     "Under Each Individual Chapter Type, Okay?"),
                      forms::vbOKOnly, QStringLiteral("Brisolt Quizforge 97"));
        return;
    }
    addQuestionAfterEmptiedSet(chapter);
}

// The emptied set takes a first question of the chapter whose last question
// was deleted, unlocked and waiting for Save.
bool frmMain::addQuestionAfterEmptiedSet(const QString& chapter)
{
    return runOrTell(QStringLiteral("No new question could be started."), [&] {
        const QString number = nextQuestionNumberOf(chapter);
        const qint64 call = newDatabaseNumber();
        Data1->recordset().addNew();
        txtChapter->setText(chapter);
        txtNum->setText(number);
        txtLevel->setText(markers::levelOne);
        txtCall->setText(QString::number(call));
        txtNew->setText(markers::newQuestion);
        for (forms::CommandButton* held : {cmdDelete, cmdNew, cmdFirst, cmdPrevious, cmdNext, cmdLast, cmdExit})
            held->setEnabled(false);
        cmdSave->setEnabled(true);
        for (forms::TextBox* box : {txtQuestion, txtAnswer, txtCall, txtA, txtB, txtC, txtD, txtNum})
            box->setLocked(false);
        txtPicBox->setText(markers::newQuestion);
        txtAnswer->setVisible(true);
        mnuLock->setEnabled(true);
        mnuUnlock->setEnabled(false);
        txtNum->setFocus();
    });
}

// ==== Re-labelling and renumbering =================================================================================
// Re-labelling a chapter and renumbering the questions of the set shown: one
// field rewritten in many questions in one pass and one transaction, so the
// bank holds the whole change or none of it. The pass moves the window's
// progress bar and keeps the window painted while it runs.

namespace {

const QString speaks = QStringLiteral("Brisolt Speaks");

// Runs the pass, the changes waiting in the record shown stored first as a
// move to the first record stores them, with the window's progress bar
// showing how far it got. A failure leaves every question as it was and is
// told; the window ends on the first record either way, as after a finished
// pass.
bool rewriteQuestions(frmMain& w, const std::function<std::vector<qint64>()>& listKeys,
                      const std::function<void(std::span<const qint64>, qint64)>& writeBlock,
                      const QString& failureText)
{
    data::Recordset& records = w.Data1->recordset();
    w.Data1->storePending(data::ValidateAction::MoveFirst);
    bool done = false;
    try {
        const forms::Hourglass busy;
        editing::runPass(records, listKeys, writeBlock, [&](int percent) { w.ProgressBar1->setValue(percent); });
        done = true;
    } catch (const platform::RuntimeError& error) {
        forms::msgBox(failureText.arg(error.description()), forms::vbOKOnly + forms::vbExclamation, speaks);
    }
    // Shows the first record as the file now holds it.
    forms::bestEffort({[&] { records.moveFirst(); }});
    return done;
}

// `field` of the set's records becomes 1, 2, 3, ... in the set's order.
void numberSet(frmMain& w, const QString& field, const QString& numbers)
{
    data::Recordset& records = w.Data1->recordset();
    rewriteQuestions(
        w, [&] { return records.keys(); },
        [&](std::span<const qint64> block, qint64 done) { records.numberRows(block, field, done + 1); },
        QStringLiteral("The questions were not renumbered: %1 Their ") + numbers + QStringLiteral(" are unchanged."));
}

} // namespace

// The chapter of the record shown takes the new title: every question of the
// bank filed under that chapter, and no other. The set shown may hold other
// chapters' questions too (the whole bank, a search, a review), or only some
// of the chapter's (a level, a random test), yet the question asked speaks of
// "this chapter".
void frmMain::mnuRelabel_Click()
{
    if (!Data1->hasRecordset() || Data1->recordset().currentKey() < 0)
        return; // no stored question shown: no chapter to rename
    const QVariant chapter = Data1->recordset().field(QStringLiteral("Chapter")).value();

    const int answer = forms::msgBox(
        QStringLiteral("This utility will change the title of all the questions in this chapter to a different chapter "
                       "title. This procedure can not be undone. Are you sure you want to do this?"),
        forms::vbYesNo + forms::vbCritical, QStringLiteral("Brisolt Software"));
    if (answer == forms::vbNo)
        return;
    const QString title =
        forms::inputBox(QStringLiteral("Enter Your New Title For This Chapter."), QStringLiteral("Rename Question "));
    if (title.isEmpty() || title == QLatin1String("0"))
        return;

    data::Recordset& records = Data1->recordset();
    const bool renamed = rewriteQuestions(
        *this, [&] { return records.tableKeysWhere(QStringLiteral("Chapter"), chapter); },
        [&](std::span<const qint64> block, qint64) { records.writeRows(block, QStringLiteral("Chapter"), title); },
        QStringLiteral("The chapter title was not changed: %1 The questions keep their old title."));
    if (!renamed)
        return;
    forms::msgBox(QStringLiteral("You now need to edit the table of contents button caption to reflect the changes "
                                 "you have made to this chapter.\nDo this on the Table Of Contents Page under the "
                                 "Options menu."),
                  forms::vbOKOnly + forms::vbInformation, speaks);
}

void frmMain::offerWholeBankRenumbering()
{
    mnuRenumber->setEnabled(true);
    mnuReNumChap->setEnabled(false);
}

// Database numbers tell every question of the bank apart, so they are
// numbered only over a set that holds the whole bank: numbering a part of it
// from 1 would give its questions the numbers of others.
void frmMain::mnuRenumber_Click()
{
    if (!Data1->hasRecords())
        return;
    data::Recordset& records = Data1->recordset();
    if (!records.holdsWholeTable()) {
        forms::msgBox(QStringLiteral("Database numbers can only be renumbered while the entire test is shown, so that "
                                     "no two questions share a number."),
                      forms::vbOKOnly + forms::vbInformation, speaks);
        return;
    }
    numberSet(*this, QStringLiteral("Call"), QStringLiteral("database numbers"));
}

// Question numbers tell a chapter's questions apart, so they are numbered
// only over a set that holds exactly one chapter: numbering a part of it
// would repeat numbers its other questions keep, and a set of several
// chapters (the whole bank after a transport, a review) would run one
// sequence through all of them.
void frmMain::mnuReNumChap_Click()
{
    if (!Data1->hasRecords())
        return;
    data::Recordset& records = Data1->recordset();
    std::vector<qint64> shown = records.keys();
    const QVariant title = records.valueAt(0, QStringLiteral("Chapter"));
    const std::vector<qint64> chapter = records.tableKeysWhere(QStringLiteral("Chapter"), title);
    std::sort(shown.begin(), shown.end());
    if (shown != chapter) {
        forms::msgBox(QStringLiteral("Question numbers can only be renumbered while one whole chapter is shown, so "
                                     "that no two questions of a chapter share a number."),
                      forms::vbOKOnly + forms::vbInformation, speaks);
        return;
    }
    numberSet(*this, QStringLiteral("QNUM"), QStringLiteral("question numbers"));
}

} // namespace questionwindow
