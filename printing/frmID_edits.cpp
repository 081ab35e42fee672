// Adding, changing, saving and deleting users. New and any key typed into
// the boxes lock the window until Save; Save stores the shown row whatever
// state the window is in, and a row the file refuses stays in the boxes,
// locked, so the user can try again. A row without a last name is never
// stored, by Save or by leaving it. Delete removes the user shown and no
// other.

#include "printing/frmID.h"

#include "platform/core/RuntimeError.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "printing/QuestionWindowCalls.h"

#include <algorithm>

namespace printing {

using forms::bestEffort;

namespace {

const QString newRow = QStringLiteral("New");
const QString storedRow = QStringLiteral("Old");

void tellFailure(const QString& what, const platform::RuntimeError& error)
{
    forms::msgBox(what + QStringLiteral("\n\n") + error.description(), forms::vbOKOnly | forms::vbExclamation,
                  QStringLiteral("Brisolt Software"));
}

} // namespace

// The new row follows the last one; an empty table gets its first row.
void frmID::cmdNew_Click()
{
    enableBoxes(true);
    bestEffort({
        [&] { txtLook->setText(newRow); },
        [&] {
            data::Recordset& users = Data1->recordset();
            if (users.recordCount() > 0)
                users.moveLast();
        },
        [&] { Data1->recordset().addNew(); },
        [&] { txtName->setFocus(); },
        [&] { LockStuff(); },
    });
}

void frmID::userBox_KeyPress(int& keyAscii)
{
    if (keyAscii == 13)
        focusNextChild();
    LockStuff();
}

void frmID::cmdSave_Click()
{
    if (txtLast->text().isEmpty()) {
        forms::msgBox(QStringLiteral("Hey!, Does this person have a last name???  You must enter a last name "
                                     "before you can save this record! Okay sport?"),
                      forms::vbOKOnly | forms::vbCritical, QStringLiteral("Brisolt Speaks"));
        txtLast->setFocus();
        return;
    }
    try {
        data::Recordset& users = Data1->recordset();
        const bool adding = users.editMode() == data::Recordset::EditAdd;
        Data1->updateRecord();
        // A stored new row stands at the end of the set: show it.
        if (adding)
            users.moveLast();
    } catch (const platform::RuntimeError& error) {
        tellFailure(QStringLiteral("The user could not be saved."), error);
        return;
    }
    bestEffort({
        [&] { fillList(); },
        [&] { refreshQuestionWindowUsers(); },
    });
    txtLook->setText(storedRow);
    enableBoxes(true);
    UnLockStuff();
}

void frmID::Data1_Validate(int /*action*/, bool& save)
{
    if (txtLast->text().isEmpty())
        save = false;
}

// Every answer reads the list again; only Yes deletes. The user shown goes,
// by his row, whatever name the list shows and whoever shares his last
// name; the cursor is read again, so he cannot be reached afterwards.
void frmID::cmdDelete_Click()
{
    forms::beep();
    const int answer = forms::msgBox(QStringLiteral("Do You Really Want To Delete This User?"), forms::vbYesNoCancel,
                                     QStringLiteral("Brisolt"));
    if (answer == forms::vbYes && showsUser()) {
        try {
            data::Recordset& users = Data1->recordset();
            const int at = users.absolutePosition();
            users.deleteRow();
            // The user before the deleted one, as a move back would show.
            requery(Data1->recordSource(), std::max(at - 1, 0));
        } catch (const platform::RuntimeError& error) {
            tellFailure(QStringLiteral("The user could not be deleted."), error);
        }
    }
    bestEffort({[&] { fillList(); }});
    if (!showsUser())
        followCursor();
}

} // namespace printing
