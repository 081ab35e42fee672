// The build: the chosen products of the question window's set, composed into
// the one print document and shown in the preview.

#include "printing/frmPackage.h"

#include "platform/forms/App.h"
#include "platform/forms/Hourglass.h"
#include "platform/print/PrintControl.h"
#include "printing/FlashCards.h"
#include "printing/PreviewDocument.h"
#include "printing/PrintSettings.h"
#include "printing/QuestionSetPrint.h"
#include "printing/TestResults.h"
#include "widgets/XP_ProgressBar.h"

namespace printing {

// The whole package is composed before the preview shows it; a set without
// questions is refused and the document shown before stays as it was.
void frmPackage::Command5_Click()
{
    // The cards and the results stand alone: choosing one clears the others.
    if (optside1->value() || optside2->value()) {
        printFlashCards(optside1->value() ? CardSide::questions : CardSide::answers);
        return;
    }
    if (chkResults->value() == forms::CheckBox::Checked) {
        tellReplacedSettings(printTestResults(settings()));
        return;
    }
    PackageResult result;
    {
        forms::Hourglass busy;
        const SetToPrint set = questionWindowSet();
        result = composeTestPackage(printDocument(), set.questions, settings(), choices(), set.title);
    }
    if (!result.composed()) {
        tellRefusal(result.refusal);
        return;
    }
    showDocument(constructedTestPackage, Return::toCaller);
    tellReplacedSettings(result.replacedSettings);
}

void showPackageProgress(int percent)
{
    forms::App& app = forms::App::current();
    if (!app.isLoaded<frmPackage>())
        return;
    frmPackage& package = app.form<frmPackage>();
    if (package.isVisible())
        package.ProgressBar1->setValue(percent);
}

} // namespace printing
