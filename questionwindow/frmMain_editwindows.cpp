// The question window's ways into the editing windows that work on its
// question, "Edit Screen Images" and the question hub, and the calls those
// windows make back into it.

#include "questionwindow/frmMain.h"

#include "editing/NewRecordNumbers.h"
#include "editing/QuestionWindowCalls.h"
#include "editing/frmBank.h"
#include "editing/frmStrips.h"
#include "platform/data/Recordset.h"
#include "platform/forms/App.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/media/MediaPlayer.h"
#include "settings/Markers.h"

#include <initializer_list>
#include <memory>

namespace questionwindow {

using forms::form;

// ==== Edit Screen Images ===========================================================================================
// The question window's ways into "Edit Screen Images": the two items of the
// "&Images" menu, and the toolbar's "Camera" key, which runs the first.

namespace {

// Shows the window modeless - its activation step runs first - then brings
// the tab to the front.
void showStrips(int tab)
{
    editing::frmStrips& strips = forms::form<editing::frmStrips>();
    strips.Show();
    strips.SSTab2->setTab(tab);
}

} // namespace

void frmMain::mnuAddPic_Click()
{
    showStrips(0);
}

void frmMain::mnuVideo_Click()
{
    showStrips(1);
}

// ==== The question hub =============================================================================================
// The question window's end of the question hub: "Transport" remembers the
// question shown and opens the hub; "Return" goes back to that question.

void frmMain::cmdAdd_Click()
{
    for (forms::OptionButton* option : {optA, optB, optC, optD})
        option->setValue(false);
    // Only a question that shows its picture offers to copy it.
    editing::frmBank& hub = form<editing::frmBank>();
    hub.chkPic->setVisible(txtPicBox->text() == markers::pictureShown);
    cmdReturn->setVisible(true);
    cmdAdd->setVisible(false);
    txtReturn2->setText(txtReturn->text());
    hub.Show();
}

void frmMain::cmdReturn_Click()
{
    returnToRemembered();
}

// The question stays where it stands when the set no longer holds the
// remembered one (it was deleted, or another set was loaded meanwhile).
void frmMain::returnToRemembered()
{
    cmdAdd->setVisible(true);
    cmdReturn->setVisible(false);
    const std::optional<qint64> id = editing::questionNumberValue(txtReturn2->text());
    if (!id)
        return;
    forms::leaveOnError([&] { Data1->recordset().findFirst(QStringLiteral("ID= %1").arg(*id)); });
}

// ==== The editing windows' calls (editing/QuestionWindowCalls.h) ===================================================

namespace {

// What "Edit Screen Images" changes of the question shown.
class MediaFace final : public editing::QuestionMedia {
public:
    explicit MediaFace(frmMain& w) : w_(w) {}

    data::DataControl& cursor() override { return *w_.Data1; }
    forms::TextBox& pictureName() override { return *w_.txtFile1; }
    forms::TextBox& pictureMark() override { return *w_.txtPicBox; }
    forms::TextBox& videoName() override { return *w_.txtVideo1; }
    QImage picture() const override { return w_.FXImage1->picture().toImage(); }
    void showPicture(const QString& file) override { w_.FXImage1->setPicture(file); }
    void hidePicture() override
    {
        for (QWidget* shown : std::initializer_list<QWidget*>{w_.FXImage1, w_.cmdShow, w_.cmdHide})
            shown->setVisible(false);
    }
    QString videoPath() const override { return w_.txtVideo->text(); }
    void setVideo(const QString& name) override
    {
        w_.txtVideo->setText(name.isEmpty() ? QString() : w_.fileListPath(QStringLiteral("Video"), name));
        w_.Video->setFileName(w_.txtVideo->text());
    }
    void offerVideo() override { w_.cmdShowVideo->setVisible(true); }
    void hideVideo() override
    {
        for (QWidget* shown : std::initializer_list<QWidget*>{w_.cmdShowVideo, w_.cmdHideVideo, w_.fraVideo})
            shown->setVisible(false);
    }

private:
    frmMain& w_;
};

} // namespace

} // namespace questionwindow

namespace editing {

using forms::form;
using questionwindow::frmMain;

ShownQuestion shownQuestion()
{
    const frmMain& w = form<frmMain>();
    ShownQuestion shown;
    shown.texts = {w.txtQuestion->text(), w.txtA->text(),      w.txtB->text(),     w.txtC->text(),
                   w.txtD->text(),        w.txtAnswer->text(), w.txtNotes->text(), w.txtLevel->text(),
                   w.txtFile1->text(),    w.txtVideo1->text()};
    if (w.FXImage1->hasPicture())
        shown.picture = w.FXImage1->picture().toImage();
    return shown;
}

void addTransportedQuestion(const TransportedQuestion& copy)
{
    frmMain& w = form<frmMain>();
    w.Data1->setRecordSource(QStringLiteral("table1 "));
    w.Data1->refresh();
    const qint64 call = w.newDatabaseNumber();
    data::Recordset& rows = w.Data1->recordset();
    rows.addNew();
    w.txtCall->setText(QString::number(call));
    w.txtChapter->setText(copy.chapter);
    w.txtQuestion->setText(copy.texts.question);
    w.txtA->setText(copy.texts.a);
    w.txtB->setText(copy.texts.b);
    w.txtC->setText(copy.texts.c);
    w.txtD->setText(copy.texts.d);
    w.txtAnswer->setText(copy.texts.answer);
    w.txtNum->setText(copy.number);
    w.txtNotes->setText(copy.texts.notes);
    w.txtLevel->setText(copy.texts.level);
    w.txtFile1->setText(copy.texts.picture);
    w.txtVideo1->setText(copy.texts.video);
    w.txtPicBox->setText(copy.withPicture ? markers::pictureShown : markers::noPictureShown);
    w.FXImage1->setVisible(false);
    w.cmdHide->setVisible(false);
    w.cmdShow->setVisible(copy.withPicture);
    rows.update();
    rows.moveLast();
}

void returnToRememberedQuestion()
{
    form<frmMain>().returnToRemembered();
}

forms::TextBox* questionFieldNamed(const QString& marker)
{
    if (!forms::App::current().isLoaded<frmMain>())
        return nullptr;
    return form<frmMain>().editFieldNamed(marker);
}

std::unique_ptr<QuestionMedia> questionMedia()
{
    if (!forms::App::current().isLoaded<frmMain>())
        return nullptr;
    return std::make_unique<questionwindow::MediaFace>(form<frmMain>());
}

} // namespace editing
