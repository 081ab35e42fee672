// The saved session's two menus: "Save This Session" keeps the set shown and
// the score board; the last session loaded again goes on where it stood.

#include "questionwindow/frmMain.h"

#include "platform/core/RuntimeError.h"
#include "platform/forms/Dialogs.h"
#include "questionsets/SessionRules.h"
#include "questionsets/SetMenus.h"
#include "settings/Markers.h"

#include <utility>
#include <vector>

namespace questionwindow {

namespace {

// The score board and the saved-session boxes bound to its counters.
std::vector<std::pair<forms::TextBox*, forms::TextBox*>> counterPairs(frmMain& w)
{
    return {{w.txtCorrect, w.txtCloneRight},
            {w.txtIncorrect, w.txtCloneWrong},
            {w.txtScore, w.txtCloneScore},
            {w.txtTotal, w.txtCloneTotal}};
}

// After a load, while the saved session is the set shown, saving keeps its
// questions (their marks are stored in its rows as the user answers) and
// stores the score board into the row the session cursor stands on.
void storeCounters(frmMain& w)
{
    for (const auto& [board, saved] : counterPairs(w))
        saved->setText(board->text());
    w.Data5->recordset().edit();
    w.Data5->recordset().update();
}

} // namespace

void frmMain::mnuSaveThisSession_Click()
{
    try {
        if (questionsets::isSavedSession(questionSet().recordSource())) {
            storeCounters(*this);
        } else {
            const int answer = forms::msgBox(
                QStringLiteral("By clicking this option you will erase your last session and replace it with your "
                               "current session.  Are you sure this is what you really want to do??"),
                forms::vbYesNo + forms::vbCritical, QStringLiteral("Brisolt Speaks"));
            if (answer != forms::vbYes)
                return;
            questionsets::replaceSavedSession(
                questionSet(), *Data5, {txtCorrect->text(), txtIncorrect->text(), txtScore->text(), txtTotal->text()});
            cmdHide->setVisible(false);
            cmdShow->setVisible(false);
        }
    } catch (const platform::RuntimeError& error) {
        forms::msgBox(QStringLiteral("The session was not saved: %1 Your last saved session is unchanged.")
                          .arg(error.description()),
                      forms::vbOKOnly + forms::vbExclamation, QStringLiteral("Brisolt Speaks"));
        return;
    }
    // Said only once the session is in the file.
    questionSet().setCaption(QStringLiteral("Session Has Been Saved"));
}

void frmMain::mnuLastSession_Click()
{
    // The session as it stands in the file now, another program's save included.
    Data5->refresh();
    if (Data5->recordset().recordCount() == 0) {
        forms::msgBox(QStringLiteral("There is no saved session to load yet. Use \"Save This Session\" first."),
                      forms::vbOKOnly + forms::vbInformation, QStringLiteral("Brisolt Speaks"));
        return;
    }
    questionSet().setCaption(QStringLiteral("Last Save Session Loaded"));
    questionSet().setQuery(questionsets::savedSessionSource());
    txtClone->setText(markers::sessionLoaded);
    mnuPictures->setEnabled(false);
    mnuLastSession->setEnabled(false);
    mnuRecord->setEnabled(false);
    cmdAdd->setVisible(false);
    cmdReturn->setVisible(false);
    for (const auto& [board, saved] : counterPairs(*this))
        board->setText(saved->text());
    questionSet().countStep();
    // The answers must know the restored set's last question.
    questionSet().markStep();

    // Resume where the saved run stood; a set without that question number
    // stops on its last row rather than walking past it.
    data::Recordset& set = Data1->recordset();
    while (set.recordCount() > 0 && !questionsets::resumeStopsAt(txtTotal->text(), txtNum->text())
           && set.absolutePosition() < set.recordCount() - 1)
        set.moveNext();
    // Saved rows keep no picture or video: the buttons of the record shown
    // before must not stay offered.
    recordDisplay();
}

} // namespace questionwindow
