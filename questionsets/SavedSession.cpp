// The saved session: one snapshot of the question set and its score board,
// kept in the saved-session table so a study run can go on later.

#include "platform/core/RuntimeError.h"
#include "platform/data/Transaction.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "questionsets/Markers.h"
#include "questionsets/SessionRules.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

#include <utility>
#include <vector>

namespace questionwindow {

using namespace questionsets;

namespace {

// The score board and the saved-session boxes bound to its counters.
std::vector<std::pair<forms::TextBox*, forms::TextBox*>> counterPairs(frmMain& w)
{
    return {{w.txtCorrect, w.txtCloneRight},
            {w.txtIncorrect, w.txtCloneWrong},
            {w.txtScore, w.txtCloneScore},
            {w.txtTotal, w.txtCloneTotal}};
}

// The question fields a saved row keeps, each from the set's field of the
// same name; the record's key, picked letter, picture and video are not kept.
const char* const keptFields[] = {"Call", "Answer", "QNUM", "Question", "A", "B", "C", "D",
                                  "E", "Chapter", "X", "Memo", "Page", "FF", "Elephant"};

// Replaces the saved session with the set shown, in one store: a failure,
// or the program killed on the way, leaves the previous session whole.
void replaceSession(frmMain& w)
{
    std::vector<data::Recordset::CopiedColumn> columns;
    for (const char* field : keptFields)
        columns.push_back({QString::fromLatin1(field), std::nullopt});
    columns.push_back({QStringLiteral("Clone"), QVariant(QString(markers::savedSessionRow))});
    columns.push_back({QStringLiteral("Right"), QVariant(w.txtCorrect->text())});
    columns.push_back({QStringLiteral("Wrong"), QVariant(w.txtIncorrect->text())});
    columns.push_back({QStringLiteral("Score"), QVariant(w.txtScore->text())});
    columns.push_back({QStringLiteral("Total"), QVariant(w.txtTotal->text())});

    data::Recordset& set = w.Data1->recordset();
    const bool empty = set.recordCount() == 0;
    // Leaving the record on screen stores its marks, so the saved copy has them.
    if (!empty)
        set.moveFirst();
    data::Recordset& session = w.Data5->recordset();
    try {
        data::Transaction saving(session);
        session.removeAll();
        if (!empty)
            set.copyRowsInto(savedSessionSource(), columns);
        saving.commit();
    } catch (const platform::RuntimeError&) {
        // The session cursor forgot rows the rolled-back removal never took.
        forms::bestEffort({[&] { w.Data5->refresh(); }});
        throw;
    }
    // The cursor stands on the new session's first row, where a later load
    // finds the counters.
    w.Data5->refresh();
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
        if (isSavedSession(Data1->recordSource())) {
            storeCounters(*this);
        } else {
            const int answer = forms::msgBox(
                QStringLiteral("By clicking this option you will erase your last session and replace it with your "
                               "current session.  Are you sure this is what you really want to do??"),
                forms::vbYesNo + forms::vbCritical, QStringLiteral("Brisolt Speaks"));
            if (answer != forms::vbYes)
                return;
            replaceSession(*this);
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
    questionSet().setQuery(savedSessionSource());
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
    while (set.recordCount() > 0 && !resumeStopsAt(txtTotal->text(), txtNum->text())
           && set.absolutePosition() < set.recordCount() - 1)
        set.moveNext();
    // Saved rows keep no picture or video: the buttons of the record shown
    // before must not stay offered.
    recordDisplay();
}

} // namespace questionwindow
