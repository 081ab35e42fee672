// The question window's ways into the editing windows that work on its
// question: "Edit Screen Images" and the question hub.

#include "questionwindow/frmMain.h"

#include "editing/NewRecordNumbers.h"
#include "editing/frmBank.h"
#include "editing/frmStrips.h"
#include "platform/forms/App.h"
#include "platform/forms/FailureRegimes.h"
#include "settings/Markers.h"

namespace questionwindow {

using forms::form;

// ==== Edit Screen Images ===========================================================================================
// The question window's ways into "Edit Screen Images": the two items of the
// "&Images" menu, and the toolbar's "Camera" key, which runs the first.

namespace {

// Shows the window modeless - its activation step runs first - then brings
// the tab to the front.
void showStrips(int tab)
{
    editing::frmStrips& strips = forms::form<editing::frmStrips>();
    strips.Show();
    strips.SSTab2->setTab(tab);
}

} // namespace

void frmMain::mnuAddPic_Click()
{
    showStrips(0);
}

void frmMain::mnuVideo_Click()
{
    showStrips(1);
}

// ==== The question hub =============================================================================================
// The question window's end of the question hub: "Transport" remembers the
// question shown and opens the hub; "Return" goes back to that question.

void frmMain::cmdAdd_Click()
{
    for (forms::OptionButton* option : {optA, optB, optC, optD})
        option->setValue(false);
    // Only a question that shows its picture offers to copy it.
    editing::frmBank& hub = form<editing::frmBank>();
    hub.chkPic->setVisible(txtPicBox->text() == markers::pictureShown);
    cmdReturn->setVisible(true);
    cmdAdd->setVisible(false);
    txtReturn2->setText(txtReturn->text());
    hub.Show();
}

void frmMain::cmdReturn_Click()
{
    returnToRemembered();
}

// The question stays where it stands when the set no longer holds the
// remembered one (it was deleted, or another set was loaded meanwhile).
void frmMain::returnToRemembered()
{
    cmdAdd->setVisible(true);
    cmdReturn->setVisible(false);
    const std::optional<qint64> id = editing::questionNumberValue(txtReturn2->text());
    if (!id)
        return;
    forms::leaveOnError([&] { Data1->recordset().findFirst(QStringLiteral("ID= %1").arg(*id)); });
}

} // namespace questionwindow
