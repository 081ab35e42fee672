// "Transport Question" copies the question into the chosen chapter as a new
// record of the whole question table and shows it in the question window;
// "&Cancel" goes back to the question that was shown when "Transport" was
// pressed. The hub stays open behind the question window either way.
#include "editing/frmBank.h"

#include "editing/QuestionWindowCalls.h"
#include "platform/data/Recordset.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "questionsets/QuestionSet.h"
#include "settings/Markers.h"

namespace editing {

// The copy takes a database number no other question holds (the largest of
// the table plus one), the picture mark only when the tick could be seen,
// and the chapter, number and texts of the hub's boxes as they stand now.
void frmBank::Command1_Click()
{
    txtLook->setText(markers::hubTransport);
    const questionsets::SetWindow question = questionsets::questionWindow();
    const QString chapter = txtChapter->text();
    if (chapter.isEmpty() || chapter == QLatin1String("Select Chapter From List Below")) {
        forms::msgBox(QStringLiteral("You Must Click On A Custom Chapter Caption Below Before Adding A Question!"),
                      forms::vbOKOnly | forms::vbQuestion, QStringLiteral("Brisolt"));
    } else {
        const bool ran = forms::leaveOnError([&] {
            const QuestionTexts texts{txtQuestion->text(), txtA->text(),      txtB->text(),     txtC->text(),
                                      txtD->text(),        txtAnswer->text(), txtNotes->text(), txtLevel->text(),
                                      txtPicture->text(),  txtVideo->text()};
            // A tick the user could not see (the question showed no picture)
            // does not mark the copy as showing one.
            const bool withPicture = chkPic->isVisibleTo(this) && chkPic->isChecked();
            addTransportedQuestion({texts, chapter, txtNumber->text(), withPicture});
        });
        if (!ran)
            return;
        txtLook->setText(markers::hubTransport);
        question.window.Show();
    }
    forms::leaveOnError([&] { question.set.cursor().recordset().moveLast(); });
}

void frmBank::Command2_Click()
{
    txtLook->setText(markers::hubIdle);
    returnToRememberedQuestion();
    questionsets::questionWindow().window.Show();
}

} // namespace editing
