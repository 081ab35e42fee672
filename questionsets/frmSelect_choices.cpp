// Choosing the test's chapters and title: titles are dragged between the two
// lists (at most 24 chosen), "Clear Box" starts the choice again, the check
// box opens and closes the title box, and Cancel leaves the window.

#include "questionsets/frmSelect.h"

#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "questionsets/MultiChapterTest.h"

namespace questionsets {

using forms::leaveOnError;

// A press anywhere on a list drags it, whichever button; an empty list has
// nothing to drag.
void frmSelect::List1_MouseDown(int, int, int, int)
{
    List1->drag();
}

void frmSelect::List2_MouseDown(int, int, int, int)
{
    List2->drag();
}

void frmSelect::List2_DragDrop(const QString& source)
{
    leaveOnError([&] {
        if (List2->listCount() >= maxTestChapters) {
            forms::msgBox(QStringLiteral("24 Chapters is the Maximum Number Of Chapters You Can Generate A Multiple "
                                         "Chapter Random Test From."),
                          forms::vbOKOnly + forms::vbExclamation, QStringLiteral("Brisolt Speaks"));
            return;
        }
        moveCurrentEntry(*List1, *List2, source);
    });
}

void frmSelect::List1_DragDrop(const QString& source)
{
    leaveOnError([&] { moveCurrentEntry(*List2, *List1, source); });
}

// A drop moves the other list's current entry, known only by its text: a drop
// of a list on itself moves nothing unless the other list's current entry
// reads the same.
void frmSelect::moveCurrentEntry(forms::ListBox& from, forms::ListBox& to, const QString& source)
{
    const QString entry = from.text();
    if (entry.isEmpty() || entry != source)
        return;
    to.addItem(entry);
    from.removeItem(from.listIndex());
    txtCount->setText(QString::number(List2->listCount()));
}

void frmSelect::cmdClear_Click()
{
    List1->clear();
    List2->clear();
    txtCount->setText(QStringLiteral("0"));
    // The chapter list is read again: titles the chapter palette added or
    // removed since the window was loaded show now.
    leaveOnError([&] {
        Data1->refresh();
        fillAvailable();
    });
}

// Ticking discards an earlier title and opens the box; clearing the tick
// closes it on the placeholder.
void frmSelect::chkTitle_Click()
{
    txtTitle->setText(QString());
    txtTitle->setEnabled(true);
    txtTitle->setFocus();
    if (chkTitle->value() == forms::CheckBox::Unchecked) {
        txtTitle->setText(titlePlaceholder);
        txtTitle->setEnabled(false);
    }
}

void frmSelect::cmdExit_Click()
{
    Unload();
}

} // namespace questionsets
