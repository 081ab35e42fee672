// Removing a chapter from the palette: "&Delete", Escape or a drop on the
// crossed-out book takes the chapter's title off every chapter button of the
// three banks, deletes its questions and its rows of the chapter list, all
// in one transaction; a drop on the waste basket takes only the captions of
// the user's bank in front off its buttons.

#include "editing/frmQ.h"

#include "editing/ContentsCalls.h"
#include "platform/core/Errors.h"
#include "platform/core/RuntimeError.h"
#include "platform/data/Quoting.h"
#include "platform/data/Transaction.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/Hourglass.h"
#include "questionsets/SetLoading.h"

#include <optional>
#include <vector>

namespace editing {

using forms::bestEffort;

namespace {

const QString speaks = QStringLiteral("Brisolt Speaks");

// The three banks in the order their buttons are searched.
constexpr int allBanks[] = {1, 2, 3};

QString chapterListQuery(const QString& title)
{
    return QStringLiteral("SELECT * FROM table4 where Chapter=") + data::sqlText(title);
}

} // namespace

// ---- Chapter removal ------------------------------------------------------------------

// Only a title of the chapter list names a chapter: an empty title box (a
// drop on the book before any title was chosen) or a title typed but not
// stored would otherwise delete the questions of a chapter the user never
// chose.
void frmQ::cmdDelete_Click()
{
    const QString title = txtChapter->text();
    if (title.isEmpty() || !isListed(title)) {
        forms::msgBox(title.isEmpty()
                          ? QStringLiteral("Please choose the chapter to delete from the list first.")
                          : QStringLiteral("\"%1\" is not in the chapter list, so there is no chapter to delete.\n"
                                           "Please choose the chapter to delete from the list.")
                                .arg(title),
                      forms::vbOKOnly | forms::vbExclamation, speaks);
        return;
    }
    Hide();
    const int answer = forms::msgBox(QStringLiteral("Are you sure you would like to delete this chapter ") + title
                                         + QStringLiteral(" and all of its questions???") + QChar(10)
                                         + QStringLiteral("WARNING!!! This procedure is irreversible!!!"),
                                     forms::vbYesNoCancel | forms::vbCritical | forms::vbDefaultButton1, speaks);
    if (answer != forms::vbYes) {
        Show();
        return;
    }
    for (;;) {
        const std::optional<platform::RuntimeError> failure = removeChapter(title);
        if (!failure)
            break;
        // Another program's store ends in a moment, so the user may try
        // again at once, as the question window offers.
        if (failure->number() == platform::errors::locked.number) {
            const int answer = forms::msgBox(
                QStringLiteral("The chapter could not be deleted; nothing of it was changed. The question database is "
                               "in use by another program.\n\nError %1: %2\n\nRetry to try again now, or Cancel to "
                               "leave the chapter as it is.")
                    .arg(failure->number())
                    .arg(failure->description()),
                forms::vbRetryCancel | forms::vbExclamation, QStringLiteral("Brisolt Software"));
            if (answer == forms::vbRetry)
                continue;
        } else {
            forms::msgBox(QStringLiteral("The chapter could not be deleted; nothing of it was changed.\n\n%1")
                              .arg(failure->description()),
                          forms::vbOKOnly | forms::vbExclamation, QStringLiteral("Brisolt Software"));
        }
        Show();
        return;
    }
    txtChapter->setText(QString());
    Show();
    cmdDelete->setEnabled(false);
}

// Everything of the chapter goes in one transaction: the captions of every
// bank, its questions and its list rows. Afterwards, also after a rollback,
// the windows and the list show what the file holds.
std::optional<platform::RuntimeError> frmQ::removeChapter(const QString& title)
{
    // A title being added and not stored goes with the removal.
    dropUnsavedTitle();
    txtChapter->setLocked(true);
    showTyping(false);
    cmdNew->setEnabled(true);
    cmdSave->setEnabled(false);

    // The windows whose titles row the removal stores; only they show
    // anything new afterwards.
    std::vector<int> cleared;
    std::optional<platform::RuntimeError> failure;
    {
        const forms::Hourglass busy;
        try {
            // Inside the guard: a bank window loaded here reads the file,
            // which another program may be holding.
            for (int bank : allBanks)
                loadBank(bank);
            Data2->setRecordSource(questionsets::chapterQuery(title));
            Data2->refresh();
            data::Transaction removal(Data2->recordset());
            for (int bank : allBanks) {
                // A bank window that could not read its titles when it was
                // loaded (the file held by another program) reads them now.
                // A window whose store fails is read again too.
                cleared.push_back(bank);
                if (clearBankTitle(bank, title, true) == 0)
                    cleared.pop_back();
            }
            Data2->recordset().removeAll();
            Data1->setRecordSource(chapterListQuery(title));
            Data1->refresh();
            Data1->recordset().removeAll();
            removal.commit();
        } catch (const platform::RuntimeError& error) {
            failure = error;
        }
        // After a rollback too: the cursors forget what the transaction did.
        for (int bank : cleared)
            readBankTitlesAgain(bank);
        bestEffort({[&] { Data2->refresh(); }});
        // A list the file cannot give again for now stays as it was.
        bestEffort({[&] {
            Data1->setRecordSource(QStringLiteral("Table4"));
            Data1->refresh();
            lstA->clear();
            fillList();
        }});
    }
    return failure;
}

// Whatever is dropped on the book, even while "&Delete" is disabled.
void frmQ::Image1_DragDrop(const QString&)
{
    cmdDelete_Click();
}

// ---- Caption removal --------------------------------------------------------------------

// The titles of test bank 1 are fixed. In the user's bank in front, every
// button that carries the dragged title loses it; its questions and the
// chapter list stay, so the title can be put on another button.
void frmQ::Waste_DragDrop(const QString& source)
{
    const QString bank = txtLocate->text();
    if (bank == QLatin1String("1")) {
        forms::msgBox(QStringLiteral("Can not delete captions from Main Table of Contents window."),
                      forms::vbOKOnly | forms::vbInformation, speaks);
        return;
    }
    if (bank != QLatin1String("2") && bank != QLatin1String("3"))
        return;
    const QString title = lstA->text();
    if (title.isEmpty() || source != title)
        return;
    const int number = bank == QLatin1String("2") ? 2 : 3;
    try {
        clearBankTitle(number, title, false);
    } catch (const platform::RuntimeError& error) {
        forms::msgBox(QStringLiteral("The caption could not be deleted.\n\n%1").arg(error.description()),
                      forms::vbOKOnly | forms::vbExclamation, QStringLiteral("Brisolt Software"));
    }
    readBankTitlesAgain(number);
}

} // namespace editing
