// Moving through the users, picking a last name from the list, Reset, which
// shows every user again, and OK, which makes the shown user the current one.

#include "printing/frmID.h"

#include "platform/data/Quoting.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "printing/QuestionWindowCalls.h"

namespace printing {

using forms::leaveOnError;

// A window without users stays as it is.
void frmID::cmdFirst_Click()
{
    leaveOnError([&] { Data1->recordset().moveFirst(); });
}

void frmID::cmdLast_Click()
{
    leaveOnError([&] { Data1->recordset().moveLast(); });
}

// At the first user Back stays there without a word.
void frmID::cmdBack_Click()
{
    leaveOnError([&] {
        data::Recordset& users = Data1->recordset();
        if (users.bof())
            return;
        users.movePrevious();
        if (users.bof())
            users.moveNext();
    });
}

// At the last user Next stays there and says so.
void frmID::cmdNext_Click()
{
    leaveOnError([&] {
        data::Recordset& users = Data1->recordset();
        if (users.eof())
            return;
        users.moveNext();
        if (users.eof()) {
            users.movePrevious();
            forms::msgBox(QStringLiteral("Last User In Database."), forms::vbOKOnly | forms::vbExclamation,
                          QStringLiteral("Ember Scout - Brisolt Software"));
        }
    });
}

// The window shows the users of the picked name, the first of them, and
// moves among them only, until Reset. The name goes into the query as a
// quoted value, so a name with an apostrophe finds its users too.
void frmID::List1_Click()
{
    const QString name = List1->text();
    leaveOnError([&] { requery(QStringLiteral("SELECT * FROM table5 where last=") + data::sqlText(name), 0); });
}

void frmID::cmdReset_Click()
{
    leaveOnError([&] { requery(QStringLiteral("Table5"), 0); });
}

// The window stays loaded, with the picked name and the edit state, for the
// next time it is shown.
void frmID::cmdOK_Click()
{
    Hide();
    showQuestionWindowUser(txtLast->text());
}

} // namespace printing
