// The question window's toolbar: a key runs the menu step it stands for.

#include "questionwindow/frmMain.h"

#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "printing/PreviewDocument.h"
#include "printing/QuestionSetPrint.h"
#include "questionsets/Markers.h"

namespace questionwindow {

// A step that fails ends there; the toolbar itself goes on.
void frmMain::tbToolBar_ButtonClick(const QString& key)
{
    using forms::bestEffort;
    // The lock keys run crosswise: "Lock" shows while locked and unlocks.
    if (key == QLatin1String("Unlock")) {
        bestEffort({
            [&] { tbToolBar->button(QStringLiteral("Lock"))->setVisible(true); },
            [&] { tbToolBar->button(QStringLiteral("Unlock"))->setVisible(false); },
            [&] { mnuLock_Click(); },
        });
    } else if (key == QLatin1String("Lock")) {
        if (txtQ->text() == markers::wholeBank) {
            forms::msgBox(QStringLiteral("Sorry, you can not unlock questions whicle taking the entire test.  Go to "
                                         "the Table Of Contents Window and select a specific chapter in order to "
                                         "unlock the questions."),
                          forms::vbOKOnly | forms::vbCritical, QStringLiteral("Brisolt Speaks"));
            return;
        }
        bestEffort({
            [&] { tbToolBar->button(QStringLiteral("Lock"))->setVisible(false); },
            [&] { tbToolBar->button(QStringLiteral("Unlock"))->setVisible(true); },
            [&] { mnuUnlock_Click(); },
        });
    } else if (key == QLatin1String("Open")) {
        bestEffort({[&] { printing::openSavedTest(); }});
    } else if (key == QLatin1String("Save")) {
        bestEffort({[&] { mnuBuild_Click(); }});
    } else if (key == QLatin1String("Print")) {
        bestEffort({[&] { printing::printQuestionSetTest(); }});
    } else if (key == QLatin1String("Cut")) {
        bestEffort({[&] { mnuCut_Click(); }});
    } else if (key == QLatin1String("Copy")) {
        bestEffort({[&] { mnuCopy_Click(); }});
    } else if (key == QLatin1String("Paste")) {
        bestEffort({[&] { mnuPaste_Click(); }});
    } else if (key == QLatin1String("Find")) {
        bestEffort({[&] { mnuKwed_Click(); }});
    } else if (key == QLatin1String("Camera")) {
        bestEffort({[&] { mnuAddPic_Click(); }});
    } else if (key == QLatin1String("Terms")) {
        bestEffort({[&] { lookUpSelectedTerm(); }});
    }
}

} // namespace questionwindow
