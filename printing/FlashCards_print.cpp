// The cards and the results printed from the question window's set: what
// they read of the question window and the users window, and the preview
// they are shown in.

#include "printing/FlashCards.h"
#include "printing/TestResults.h"

#include "platform/forms/App.h"
#include "platform/forms/Hourglass.h"
#include "platform/print/PrintControl.h"
#include "printing/PreviewDocument.h"
#include "printing/QuestionSetPrint.h"
#include "printing/QuestionWindowCalls.h"
#include "printing/QuickReport.h"
#include "printing/frmID.h"

namespace printing {

namespace {

ResultsRun resultsRun()
{
    const ScoreSummary score = questionWindowScore();
    auto& users = forms::form<frmID>();
    ResultsRun run;
    run.startTime = score.startTime;
    run.finishTime = score.finishTime;
    run.user = {users.txtName->text(),  users.txtCompany->text(), users.txtAddress->text(), users.txtCity->text(),
                users.txtState->text(), users.txtZip->text(),     users.txtPhone->text(),   users.txtFax->text(),
                users.txtEmail->text(), users.txtComments->text()};
    run.correct = score.correct;
    run.incorrect = score.incorrect;
    run.total = score.total;
    run.score = score.score;
    return run;
}

} // namespace

void printFlashCards(CardSide side)
{
    PackageResult result;
    {
        forms::Hourglass busy;
        result = composeFlashCards(printDocument(), questionWindowSet().questions, side);
    }
    if (!result.composed()) {
        tellRefusal(result.refusal);
        return;
    }
    printDocument().setScreenPreview(true);
    showDocument(constructedTestPackage, Return::toCaller);
}

QStringList printTestResults(const PrintSettings& settings)
{
    QStringList replaced;
    {
        forms::Hourglass busy;
        // The title names the chapter of the record current before the walk.
        const SetToPrint set = questionWindowSet();
        const ResultsRun run = resultsRun();
        replaced = composeTestResults(printDocument(), set.questions, settings, set.title, run);
    }
    showDocument(constructedTestPackage, Return::toCaller);
    return replaced;
}

} // namespace printing
