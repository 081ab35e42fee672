// Choosing, adding and opening titles: a click takes a title into the title
// box, a press drags it onto a chapter button, "&Add New" and "&Save" add a
// title to the chapter list, a double click opens the chapter, and
// "&Cancel" puts the palette away.

#include "editing/frmQ.h"

#include "editing/ContentsCalls.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/gdi/Color.h"

#include <QApplication>
#include <QPalette>

namespace editing {

namespace {

constexpr int white = int(gdi::rgb(255, 255, 255));
constexpr int blue = int(gdi::rgb(0, 0, 255));
constexpr int black = int(gdi::rgb(0, 0, 0));

} // namespace

void frmQ::showTyping(bool typing)
{
    txtChapter->setForeColor(typing ? white : black);
    txtChapter->setBackColor(typing ? blue : forms::valueFromColor(QApplication::palette().color(QPalette::Base)));
}

// ---- Choosing and dragging ---------------------------------------------------------

void frmQ::lstA_Click()
{
    txtChapter->setText(lstA->text());
    cmdDelete->setEnabled(true);
}

// Any button drags; an empty list has nothing to drag. The drop is the
// target's: a chapter button, the waste basket or the crossed-out book.
void frmQ::lstA_MouseDown(int, int, int, int)
{
    lstA->drag();
}

// Opens the chapter as a chapter button does: the set, its count, its last
// question and the set marker all name this chapter, whichever table of
// contents was in front last. The hand-over closes the palette.
void frmQ::lstA_DblClick()
{
    const QString title = txtChapter->text();
    openChapterFromPalette(title);
}

// ---- The title box -------------------------------------------------------------------

// Enter moves on as Tab does, to "&Save" after a typed title; only a key
// typed into the open box offers "&Save".
void frmQ::txtChapter_KeyPress(int& keyAscii)
{
    if (!txtChapter->locked())
        cmdSave->setEnabled(true);
    if (keyAscii == 13)
        focusNextChild();
}

// ---- Adding a title ----------------------------------------------------------------------

void frmQ::cmdNew_Click()
{
    txtChapter->setText(QString());
    txtChapter->setLocked(false);
    txtChapter->setFocus();
    showTyping(true);
    cmdNew->setEnabled(false);
    try {
        data::Recordset& rows = Data1->recordset();
        if (rows.editMode() != data::Recordset::EditAdd) {
            // An empty list has no last row to stand on.
            if (rows.recordCount() > 0)
                rows.moveLast();
            rows.addNew();
        }
    } catch (const platform::RuntimeError&) {
        // "&Save" says why a title cannot be stored.
    }
    txtLook->setText(QStringLiteral("New"));
    txtChapter->setFocus();
}

// A title is stored exactly as typed, also one that is listed already, but
// a box with nothing but blanks names no chapter: it is refused and the
// user goes on typing. A title the file refuses is not listed, so the list
// never shows a chapter the bank does not have.
void frmQ::cmdSave_Click()
{
    const QString title = txtChapter->text();
    if (title.trimmed().isEmpty()) {
        forms::msgBox(QStringLiteral("Please type the chapter title first."), forms::vbOKOnly | forms::vbExclamation,
                      QStringLiteral("Brisolt Speaks"));
        txtChapter->setFocus();
        return;
    }
    txtKo2->setText(title);
    cmdSave->setEnabled(false);
    cmdNew->setEnabled(true);
    txtChapter->setLocked(true);
    showTyping(false);
    try {
        data::Recordset& rows = Data1->recordset();
        if (rows.editMode() != data::Recordset::EditAdd)
            rows.addNew(); // "&Add New" found no chapter list to start the row in
        rows.update();
    } catch (const platform::RuntimeError& error) {
        dropUnsavedTitle();
        forms::msgBox(QStringLiteral("The chapter title could not be stored.\n\n%1").arg(error.description()),
                      forms::vbOKOnly | forms::vbExclamation, QStringLiteral("Brisolt Software"));
        return;
    }
    txtLook->setText(QStringLiteral("Old"));
    lstA->addItem(title);
}

void frmQ::dropUnsavedTitle()
{
    if (Data1->hasRecordset() && Data1->recordset().editMode() == data::Recordset::EditAdd)
        Data1->recordset().cancelUpdate();
    txtKo2->setDataChanged(false);
    txtLook->setText(QStringLiteral("Old"));
}

// ---- Cancel ----------------------------------------------------------------------------------

// The palette stays loaded as it is, a title being added included: shown
// again, the box is still open for it.
void frmQ::cmdExit_Click()
{
    txtChapter->setText(QString());
    Hide();
}

} // namespace editing
