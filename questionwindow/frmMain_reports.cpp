// The printed reports of the question set: the quick report of the answers
// given (with or without page references) and the picture album. The
// test-package window's "Quick Report" and "Print Picture Album" buttons run
// these; each walks the set once, composes into the print document and shows
// the preview, leaving the set on its first record.

#include "questionwindow/frmMain.h"

#include "platform/data/Connection.h"
#include "platform/data/Recordset.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Hourglass.h"
#include "platform/print/PrintControl.h"
#include "printing/PictureAlbum.h"
#include "printing/PreviewDocument.h"
#include "printing/PrintSettings.h"
#include "printing/QuestionSetPrint.h"
#include "printing/QuestionWindowCalls.h"
#include "printing/QuickReport.h"
#include "questiondb/QuestionDatabase.h"
#include "questionsets/frmSelect.h"
#include "settings/Markers.h"

namespace questionwindow {

namespace {

// Tells why nothing was printed, or which settings were printed with their
// defaults; true when the product was composed.
bool reportComposed(const printing::PackageResult& result)
{
    printing::tellRefusal(result.refusal);
    printing::tellReplacedSettings(result.replacedSettings);
    return result.composed();
}

// The score board and the times of the run, as the reports print them.
printing::ScoreSummary scoreSummary(const frmMain& window)
{
    return {window.txtTimeMe->text(),  window.Status->panel(markers::timePanel)->text(),
            window.txtCorrect->text(), window.txtIncorrect->text(),
            window.txtTotal->text(),   window.txtScore->text()};
}

} // namespace

printing::SetTitle frmMain::printedSetTitle()
{
    printing::SetTitle title;
    title.marker = txtQ->text();
    title.currentChapter = txtChapter->text();
    // The multi-chapter test's window is only touched for its own title.
    if (title.marker == markers::selectedChapters)
        title.selectTitle = forms::form<questionsets::frmSelect>().txtTitle->text();
    return title;
}

printing::PrintedQuestion frmMain::printedRecord() const
{
    return {txtReturn->text().toLongLong(),
            txtQuestion->text(),
            txtA->text(),
            txtB->text(),
            txtC->text(),
            txtD->text(),
            txtAnswer->text(),
            txtNotes->text(),
            txtChapter->text(),
            {}}; // the quick report and the album print no picked letter
}

void frmMain::printQuickReport()
{
    const int answer = forms::msgBox(QStringLiteral("Include Page References?"),
                                     forms::vbYesNoCancel | forms::vbQuestion, QStringLiteral("Brisolt Reports"));
    // Cancel leaves the print document as it was.
    if (answer == forms::vbCancel)
        return;
    printQuickReport(answer == forms::vbYes ? printing::PageReferences::included : printing::PageReferences::leftOut);
}

void frmMain::printQuickReport(printing::PageReferences references)
{
    printing::PackageResult result;
    {
        const forms::Hourglass busy;
        const printing::SetTitle title = printedSetTitle();
        const printing::ScoreSummary score = scoreSummary(*this);
        std::vector<printing::AnsweredQuestion> rows;
        walkSet([&] { rows.push_back({printedRecord(), txtSnoop->text()}); });
        if (!rows.empty())
            Data1->recordset().moveFirst();
        result = printing::composeQuickReport(printing::printDocument(), rows, printing::storedPrintSettings(), score,
                                              title, references);
    }
    if (reportComposed(result))
        printing::showDocument(printing::constructedTestPackage, printing::Return::toCaller);
}

void frmMain::printPictureAlbum()
{
    printing::PackageResult result;
    {
        const forms::Hourglass busy;
        const printing::SetTitle title = printedSetTitle();
        std::vector<printing::AlbumQuestion> questions;
        walkSet([&] {
            const QString name = txtFile1->text();
            questions.push_back(
                {printedRecord(), name.isEmpty() ? QString() : fileListPath(QStringLiteral("pictures"), name)});
        });
        if (!questions.empty())
            Data1->recordset().moveFirst();
        printing::AlbumPictures pictures;
        result = printing::composePictureAlbum(printing::printDocument(), questions, printing::storedPrintSettings(),
                                               title, pictures);
    }
    if (reportComposed(result))
        printing::showDocument(printing::constructedTestPackage, printing::Return::toCaller);
}

} // namespace questionwindow

// ---- What the printing windows ask of the question window (printing/QuestionWindowCalls.h) ----

printing::ScoreSummary printing::questionWindowScore()
{
    return questionwindow::scoreSummary(forms::form<questionwindow::frmMain>());
}

void printing::printQuickReport()
{
    forms::form<questionwindow::frmMain>().printQuickReport();
}

void printing::printQuickReport(PageReferences references)
{
    forms::form<questionwindow::frmMain>().printQuickReport(references);
}

void printing::printPictureAlbum()
{
    forms::form<questionwindow::frmMain>().printPictureAlbum();
}
