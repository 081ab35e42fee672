// The File and Help menus: the three printouts of the library, the
// test-package window, the end of the program, help and the about box.

#include "printing/frmSearch.h"

#include "helpmenu/HelpBinding.h"
#include "helpmenu/frmAbout.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/Hourglass.h"
#include "platform/gdi/Rounding.h"
#include "platform/print/PrintControl.h"
#include "printing/PreviewDocument.h"
#include "printing/QuestionSetPrint.h"
#include "printing/frmPackage.h"
#include "questionsets/CountPrompt.h"
#include "widgets/XP_ProgressBar.h"

namespace printing {

namespace {

// The number of terms a test asks about; nothing when the user cancelled or
// typed no positive whole number (which is explained first).
std::optional<int> askTermCount()
{
    return questionsets::askQuestionCount(
        QStringLiteral("Enter Number Of Questions You Would Like Included In This Terminology."),
        QStringLiteral("Create Random Test From "));
}

} // namespace

// The glossary leaves the window in sight behind the preview.
void frmSearch::mnuPrintGlossary_Click()
{
    printTerms(TermPrintout::glossary, 0);
}

void frmSearch::mnuPrintRandom_Click()
{
    if (const std::optional<int> count = askTermCount())
        printTerms(TermPrintout::writtenTest, *count);
}

void frmSearch::mnuJeopardy_Click()
{
    if (const std::optional<int> count = askTermCount())
        printTerms(TermPrintout::jeopardyTest, *count);
}

// Leaving the preview shows this window again; a test hides it meanwhile.
void frmSearch::printTerms(TermPrintout printout, int count)
{
    std::vector<TermRow> rows;
    QStringList replaced;
    bool read = false;
    {
        const forms::Hourglass busy;
        ProgressBar1->setVisible(true);
        ProgressBar1->setValue(0);
        read = forms::leaveOnError([&] {
            rows = printout == TermPrintout::glossary ? glossaryRows(bank()) : randomRows(bank(), count);
            if (!rows.empty())
                replaced = composeTermPrintout(printDocument(), printout, rows, storedPrintSettings(),
                                               [this](double percent) { showProgress(percent); });
        });
        ProgressBar1->setVisible(false);
    }
    if (!read) {
        forms::msgBox(QStringLiteral("The terminology library could not be read, so there is nothing to print."),
                      forms::vbOKOnly + forms::vbExclamation, QStringLiteral("Brisolt Speaks"));
        return;
    }
    if (rows.empty()) {
        forms::msgBox(QStringLiteral("Your Terminology Library holds no terms, so there is nothing to print."),
                      forms::vbOKOnly + forms::vbExclamation, QStringLiteral("Brisolt Speaks"));
        return;
    }
    tellReplacedSettings(replaced);
    showDocument(termPrintoutCaption(printout), Return::toTerminology);
    if (printout != TermPrintout::glossary)
        Hide();
}

// How far a printout's pass over the rows has come, to the nearest whole
// percent; a failure here never stops the printout.
void frmSearch::showProgress(double percent)
{
    forms::bestEffort({[&] { ProgressBar1->setValue(int(gdi::roundHalfEven(percent))); }});
}

void frmSearch::mnuShoPackage_Click()
{
    forms::form<frmPackage>().Show();
}
void frmSearch::mnuEnd_Click()
{
    forms::App::current().end();
}
void frmSearch::mnuContents_Click()
{
    helpmenu::ShowHelpContents();
}
void frmSearch::mnuAbout_Click()
{
    forms::form<helpmenu::frmAbout>().Show();
}

} // namespace printing
