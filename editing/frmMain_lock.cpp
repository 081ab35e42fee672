// The question window's edit lock and its edit-pending state. The lock
// decides whether the question's boxes take typing and the record buttons
// work; while a record is being changed, the window holds everything that
// would leave or replace it until the record is saved. The Enabled state of
// "Lock Questions" is the lock itself: every step that asks reads it there.

#include "questionwindow/frmMain.h"

#include "settings/Markers.h"

namespace questionwindow {

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
    Status->panel(markers::chapterPanel)->setText(locked ? QStringLiteral("Questions Locked")
                                                         : QStringLiteral("Questions Unlocked"));
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

} // namespace questionwindow
