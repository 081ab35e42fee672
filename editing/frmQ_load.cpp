// The chapter palette's load step, which reads the chapter list, and its
// activation step, which paints the current skin.

#include "editing/frmQ.h"

#include "appearance/CurrentSkin.h"
#include "platform/forms/FailureRegimes.h"
#include "questiondb/Cursors.h"

namespace editing {

using forms::bestEffort;

// Without a readable bank the palette opens with an empty list and nothing
// to remove; adding a title then says why it cannot be stored.
void frmQ::Form_Load()
{
    bestEffort({
        [&] {
            questiondb::openCursor(*Data1, QStringLiteral("Table4"));
            fillList();
        },
        [&] { questiondb::openCursor(*Data2, QStringLiteral("Table1")); },
    });
    cmdNew->setEnabled(true);
    cmdDelete->setEnabled(true);
    Waste->setEnabled(true);
    Image1->setEnabled(true);
}

// Every row, in the order the file keeps them; a title stored twice is
// listed twice.
void frmQ::fillList()
{
    auto& rows = Data1->recordset();
    while (!rows.eof()) {
        lstA->addItem(txtKo2->text());
        rows.moveNext();
    }
}

// A name that is no skin of the table leaves the palette as it looks now.
void frmQ::Form_Activate()
{
    appearance::paintCurrentSkin(*FXImage1);
}

bool frmQ::isListed(const QString& title) const
{
    for (int i = 0; i < lstA->listCount(); ++i) {
        if (lstA->list(i) == title)
            return true;
    }
    return false;
}

} // namespace editing
