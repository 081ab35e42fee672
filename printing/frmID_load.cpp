// The users window's load step, which opens both cursors and reads the list,
// its activation step, which paints the skin, and the states its buttons
// and boxes take.

#include "printing/frmID.h"

#include "appearance/CurrentSkin.h"
#include "appearance/SkinBackground.h"
#include "appearance/SkinTable.h"
#include "platform/data/Field.h"
#include "platform/forms/FailureRegimes.h"
#include "questiondb/Cursors.h"

namespace printing {

using forms::bestEffort;

namespace {

const QString wholeTable = QStringLiteral("Table5");

} // namespace

// Without a readable file the window opens as for an empty table: New
// offers a row, and Save says why it cannot be stored.
void frmID::Form_Load()
{
    bestEffort({
        [&] { questiondb::openCursor(*Data1, wholeTable); },
        [&] { questiondb::openCursor(*Data2, wholeTable); },
        [&] { fillList(); },
    });
    if (!showsUser())
        followCursor();
}

// The captions take the colour the skin gives labels lying on its picture,
// so they stay readable on the dark skins; no skin keeps the look.
void frmID::Form_Activate()
{
    const appearance::Skin* skin = appearance::paintCurrentSkin(*FXImage1);
    if (!skin)
        return;
    forms::bestEffort({[&] {
        for (int index : Label1.indexes())
            Label1[index]->setForeColor(skin->labelColor);
    }});
}

bool frmID::showsUser() const
{
    return Data1->hasRecordset() && Data1->recordset().hasCurrentRecord();
}

void frmID::fillList()
{
    List1->clear();
    Data2->refresh();
    data::Recordset& users = Data2->recordset();
    for (int i = 0; i < users.recordCount(); ++i) {
        const QVariant last = users.valueAt(i, QStringLiteral("last"));
        List1->addItem(last.isNull() ? QString() : last.toString());
    }
}

void frmID::enableBoxes(bool enabled)
{
    for (forms::TextBox* box : boxes())
        box->setEnabled(enabled);
}

void frmID::offerNavigation(bool offered)
{
    for (forms::CommandButton* button : {cmdFirst, cmdLast, cmdBack, cmdDelete, cmdSave, cmdNext})
        button->setEnabled(offered);
}

void frmID::LockStuff()
{
    for (forms::CommandButton* button : {cmdFirst, cmdBack, cmdNext, cmdLast, cmdNew, cmdDelete, cmdReset, cmdOK})
        button->setEnabled(false);
    cmdSave->setEnabled(true);
}

void frmID::UnLockStuff()
{
    for (forms::CommandButton* button : {cmdFirst, cmdBack, cmdNext, cmdLast, cmdNew, cmdDelete, cmdReset, cmdOK})
        button->setEnabled(true);
    cmdSave->setEnabled(false);
}

void frmID::requery(const QString& source, int index)
{
    Data1->setRecordSource(source);
    Data1->refresh();
    data::Recordset& users = Data1->recordset();
    const int count = users.recordCount();
    if (count > 0 && index > 0) {
        users.moveLast();
        for (int at = count - 1; at > index; --at)
            users.movePrevious();
    }
    followCursor();
}

// A lock ends here too: what was typed was stored, or dropped, as the
// cursor left its row, so nothing is left waiting for Save.
void frmID::followCursor()
{
    const bool shown = showsUser();
    enableBoxes(shown);
    UnLockStuff();
    offerNavigation(shown);
}

} // namespace printing
