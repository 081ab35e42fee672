// The question records of the question window: "New" adds a question to the
// chapter of the question shown, "Save" stores the record shown, "Delete"
// removes it, and a set that the deletion empties offers to add a first
// question. New questions take a database number that no question of the
// bank holds and the next question number of their chapter.

#include "questionwindow/frmMain.h"

#include "editing/ChapterCount.h"
#include "editing/NewRecordNumbers.h"
#include "platform/core/Errors.h"
#include "platform/data/Quoting.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "questiondb/QuestionNumbers.h"
#include "questionsets/SetLoading.h"
#include "settings/Markers.h"

#include <optional>

namespace questionwindow {

using forms::bestEffort;

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
        forms::msgBox(QStringLiteral("%1\n\nError %2: %3").arg(consequence).arg(failure->number()).arg(
                          failure->description()),
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
        if (!runOrTell(QStringLiteral("The question could not be deleted."),
                       [&] { Data1->recordset().deleteRow(); }))
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

    const int add = forms::msgBox(QStringLiteral("No Records, Add Some?"), forms::vbYesNoCancel,
                                  QStringLiteral("Brisolt Speaks"));
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

} // namespace questionwindow
