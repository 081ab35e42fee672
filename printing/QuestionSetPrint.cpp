#include "printing/QuestionSetPrint.h"

#include "platform/data/Recordset.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Hourglass.h"
#include "platform/print/PrintControl.h"
#include "printing/PreviewDocument.h"
#include "printing/PrintedRows.h"
#include "printing/frmPackage.h"
#include "questionsets/QuestionSet.h"
#include "questionsets/frmSelect.h"
#include "settings/Markers.h"

namespace printing {

SetToPrint questionWindowSet()
{
    SetToPrint set;
    questionsets::QuestionSet& shown = questionsets::questionWindow().set;
    set.title.marker = shown.marker();
    if (set.title.marker == markers::selectedChapters)
        set.title.selectTitle = forms::form<questionsets::frmSelect>().txtTitle->text();
    if (!shown.cursor().hasRecordset())
        return set;
    data::Recordset& records = shown.cursor().recordset();
    // The chapter of the record the user stands on, before the walk moves it.
    if (records.hasCurrentRecord())
        set.title.currentChapter = fieldText(records, QStringLiteral("Chapter"));
    set.questions = readPrintedQuestions(records);
    return set;
}

void printQuestionSetTest()
{
    const PrintSettings settings = forms::form<frmPackage>().settings();
    QStringList replaced;
    {
        forms::Hourglass busy;
        const SetToPrint set = questionWindowSet();
        if (set.questions.empty()) {
            tellRefusal(emptySetRefusal());
            return;
        }
        print::PrintControl& document = printDocument();
        document.startDocument();
        replaced = composeTest(document, set.questions, settings, TestVariant::withoutAnswers, set.title);
        document.endDocument();
    }
    showDocument(constructedTestPackage, Return::toCaller);
    tellReplacedSettings(replaced);
}

void tellRefusal(const QString& refusal)
{
    if (!refusal.isEmpty())
        forms::msgBox(refusal, forms::vbOKOnly | forms::vbExclamation, QStringLiteral("Brisolt Speaks"));
}

void tellReplacedSettings(const QStringList& replaced)
{
    if (!replaced.isEmpty())
        forms::msgBox(replacedSettingsNotice(replaced), forms::vbOKOnly | forms::vbExclamation,
                      QStringLiteral("Not So Fast!"));
}

} // namespace printing
