// "Transport Question" copies the question into the chosen chapter as a new
// record of the whole question table and shows it in the question window;
// "&Cancel" goes back to the question that was shown when "Transport" was
// pressed. The hub stays open behind the question window either way.
#include "editing/frmBank.h"

#include "platform/data/Recordset.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/ImageBox.h"
#include "questionwindow/frmMain.h"
#include "settings/Markers.h"

namespace editing {

using forms::form;
using questionwindow::frmMain;

// The copy takes a database number no other question holds (the largest of
// the table plus one), the picture mark only when the tick could be seen,
// and the chapter, number and texts of the hub's boxes as they stand now.
void frmBank::Command1_Click()
{
    txtLook->setText(markers::hubTransport);
    frmMain& question = form<frmMain>();
    const QString chapter = txtChapter->text();
    if (chapter.isEmpty() || chapter == QLatin1String("Select Chapter From List Below")) {
        forms::msgBox(QStringLiteral("You Must Click On A Custom Chapter Caption Below Before Adding A Question!"),
                      forms::vbOKOnly | forms::vbQuestion, QStringLiteral("Brisolt"));
    } else {
        const bool ran = forms::leaveOnError([&] {
            question.Data1->setRecordSource(QStringLiteral("table1 "));
            question.Data1->refresh();
            const qint64 call = question.newDatabaseNumber();
            data::Recordset& rows = question.Data1->recordset();
            rows.addNew();
            question.txtCall->setText(QString::number(call));
            question.txtChapter->setText(chapter);
            question.txtQuestion->setText(txtQuestion->text());
            question.txtA->setText(txtA->text());
            question.txtB->setText(txtB->text());
            question.txtC->setText(txtC->text());
            question.txtD->setText(txtD->text());
            question.txtAnswer->setText(txtAnswer->text());
            question.txtNum->setText(txtNumber->text());
            question.txtNotes->setText(txtNotes->text());
            question.txtLevel->setText(txtLevel->text());
            question.txtFile1->setText(txtPicture->text());
            question.txtVideo1->setText(txtVideo->text());
            // A tick the user could not see (the question showed no picture)
            // does not mark the copy as showing one.
            const bool withPicture = chkPic->isVisibleTo(this) && chkPic->isChecked();
            question.txtPicBox->setText(withPicture ? markers::pictureShown : markers::noPictureShown);
            question.FXImage1->setVisible(false);
            question.cmdHide->setVisible(false);
            question.cmdShow->setVisible(withPicture);
            rows.update();
            rows.moveLast();
        });
        if (!ran)
            return;
        txtLook->setText(markers::hubTransport);
        question.Show();
    }
    forms::leaveOnError([&] { question.Data1->recordset().moveLast(); });
}

void frmBank::Command2_Click()
{
    txtLook->setText(markers::hubIdle);
    frmMain& question = form<frmMain>();
    question.returnToRemembered();
    question.Show();
}

} // namespace editing
