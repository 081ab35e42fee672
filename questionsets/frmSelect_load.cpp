// The multi-chapter test window's load step, which lists the chapters of the
// chapter list, and its activation step, which paints the current skin.

#include "questionsets/frmSelect.h"

#include "appearance/CurrentSkin.h"
#include "appearance/SkinTable.h"
#include "platform/forms/FailureRegimes.h"
#include "questiondb/Cursors.h"

namespace questionsets {

using forms::bestEffort;

void frmSelect::Form_Load()
{
    // Without a readable chapter list the window opens with nothing to choose.
    forms::leaveOnError([&] {
        questiondb::openCursor(*Data1, QStringLiteral("Table4"));
        fillAvailable();
    });
}

// A row without a title names no chapter a test could draw from.
void frmSelect::fillAvailable()
{
    auto& rows = Data1->recordset();
    while (!rows.eof()) {
        if (!txtChapter->text().isEmpty())
            List1->addItem(txtChapter->text());
        rows.moveNext();
    }
}

// A name that is no skin leaves the window as it looks now.
void frmSelect::Form_Activate()
{
    const appearance::Skin* skin = appearance::paintCurrentSkin(*fxBack);
    if (!skin)
        return;
    bestEffort({[&] {
        for (forms::Label* label : {Label1, Label2, Label3, Label4})
            label->setForeColor(skin->labelColor);
    }});
}

} // namespace questionsets
