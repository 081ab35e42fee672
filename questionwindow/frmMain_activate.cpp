// The question window's activation step: it rebuilds the window's state from
// what other windows left for it each time the window becomes active - the
// set's last number, the stored answer mode, the skin, the chapter title of
// the contents window that opened the set - offers to add a question to an
// empty set, and shows the set's first record. Every statement is attempted
// on its own.

#include "questionwindow/frmMain.h"

#include "appearance/SkinTable.h"
#include "editing/frmBank.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/ContentsCalls.h"
#include "settings/Markers.h"
#include "settings/Settings.h"

#include <QDateTime>

#include <optional>

namespace questionwindow {

using forms::bestEffort;
using forms::form;
using forms::testOr;

namespace {

// The question window paints the skin's own picture with white field labels
// on the dark skins; it also knows two looks the skin chooser does not offer.
struct SkinLook {
    QString picture;
    bool whiteLabels;
};

std::optional<SkinLook> findSkin(const QString& name)
{
    if (const appearance::Skin* skin = appearance::findSkin(name))
        return SkinLook{QString(skin->skinPicture), skin->labelColor == appearance::whiteColor};
    if (name == QLatin1String("Electric"))
        return SkinLook{QStringLiteral("\\images\\sk_electric.jpg"), true};
    if (name == QLatin1String("Yellow"))
        return SkinLook{QStringLiteral("\\images\\sk_yellow.jpg"), false};
    return std::nullopt;
}

} // namespace

void frmMain::setContentsRoute(const QString& route)
{
    txtContentsRoute->setText(route);
}

void frmMain::Form_Activate()
{
    // The set's last number, for "That was the last question.", read without
    // a move: a window the user comes back to still shows the question left,
    // and a question being typed stays open.
    bestEffort({[&] {
        if (Data1->recordset().recordCount() > 0)
            questionSet().markInPlace();
    }});

    replayAnswerMode();

    bestEffort({
        [&] { cmdAdd->setVisible(true); },
        [&] { mnuPictures->setVisible(true); },
        [&] { tbToolBar->button(QStringLiteral("Camera"))->setVisible(true); },
        [&] { cmdShowNotes->setVisible(!txtNotes->text().isEmpty()); },
        [&] { txtQuestion2->setText(txtQuestion->text()); },
        [&] { txtA2->setText(txtA->text()); },
        [&] { txtB2->setText(txtB->text()); },
        [&] { txtC2->setText(txtC->text()); },
        [&] { txtD2->setText(txtD->text()); },
        [&] { txtTimeMe->setText(generalDateText(QDateTime::currentDateTime())); },
    });

    applySkin();

    bestEffort({[&] {
        if (const std::optional<QString> chapter = routedChapter(txtContentsRoute->text()))
            txtQ->setText(*chapter);
    }});

    if (txtChapter->text().isEmpty()) {
        if (!offerNewQuestion())
            return; // the window was unloaded
    }

    activationDisplay();
}

// The stored answer mode is replayed by running its menu item's step; a step
// that fails is abandoned and the activation goes on.
void frmMain::replayAnswerMode()
{
    QString word;
    bestEffort({[&] { word = settings::answerModeWord(); }});
    const struct {
        QLatin1StringView word;
        void (frmMain::*step)();
    } modes[] = {
        {markers::useAnswerWord, &frmMain::mnuUse_Click},
        {markers::bypassWord, &frmMain::mnuBypass_Click},
        {markers::turboWord, &frmMain::mnuSpeed_Click},
        {markers::hideScoreWord, &frmMain::mnuTell_Click},
        {markers::readAloudWord, nullptr},
        {markers::flashCardWord, &frmMain::mnuFlash_Click},
    };
    for (const auto& mode : modes) {
        if (word != mode.word)
            continue;
        forms::leaveOnError([&] {
            if (mode.step)
                (this->*mode.step)();
            else
                emit mnuReadNuvia->click(); // the read-aloud mode runs from its menu item's click
        });
        return;
    }
}

// A skin the window does not know leaves picture and label colours as they are.
void frmMain::applySkin()
{
    QString name;
    bestEffort({[&] { name = settings::skinName(); }});
    const std::optional<SkinLook> look = findSkin(name);
    if (!look)
        return;
    bestEffort({
        [&] { skin->setPicture(forms::App::current().file(look->picture)); },
        [&] {
            if (look->whiteLabels)
                Color();
            else
                NoColor();
        },
    });
}

// The set is empty: offer to add a question. Returns false when the user
// declined and the window was unloaded.
bool frmMain::offerNewQuestion()
{
    const int answer = forms::msgBox(QStringLiteral("No Records, Add Some?"), forms::vbYesNoCancel,
                                     QStringLiteral("Brisolt Software"));

    // Whatever the answer, the set becomes the whole question table; a new
    // question takes a database number that no question holds.
    qint64 number = 1;
    bestEffort({
        [&] { Data1->setRecordSource(QStringLiteral("table1 ")); },
        [&] { Data1->refresh(); },
        [&] { number = newDatabaseNumber(); },
    });

    if (answer != forms::vbYes) {
        Unload();
        return false;
    }

    // While the whole bank is shown no question may be added: it would belong
    // to no chapter. The refusal stands alone, and the window goes on with
    // the whole bank it now holds, counted and with its last number marked,
    // from its first question.
    if (txtQ->text() == markers::wholeBank) {
        forms::msgBox(QStringLiteral("Can Not Unlock Database When Viewing In All Calls Mode. Please Edit Database "
                                     "Under Each Individual Chapter Type, Okay Chief!"),
                      forms::vbOKOnly, QStringLiteral("Brisolt Software"));
        bestEffort({
            [&] { questionSet().countStep(); },
            [&] { questionSet().markStep(); },
        });
        return true;
    }

    bestEffort({
        [&] { Data1->recordset().addNew(); },
        [&] { txtChapter->setText(txtQ->text()); },
        [&] { txtNum->setText(QStringLiteral("1")); },
        [&] { txtLevel->setText(markers::levelOne); },
        [&] { txtCall->setText(QString::number(number)); },
        [&] { txtNew->setText(markers::newQuestion); },
    });
    // While the question hub is transporting (a chapter picked there, or a
    // copy made), the question just prepared gives way: the cursor reads its
    // source again and stands on its first question.
    bestEffort({[&] {
        if (forms::App::current().isLoaded<editing::frmBank>()
            && form<editing::frmBank>().txtLook->text() == markers::hubTransport) {
            Data1->recordset().moveLast();
            Data1->refresh();
        }
    }});
    for (forms::CommandButton* off : {cmdDelete, cmdNew, cmdFirst, cmdPrevious, cmdNext, cmdLast, cmdExit})
        off->setEnabled(false);
    cmdSave->setEnabled(true);
    for (forms::TextBox* editable : {txtQuestion, txtAnswer, txtCall, txtA, txtB, txtC, txtD, txtLevel})
        editable->setLocked(false);
    cmdShowNotes->setVisible(true);
    txtNotes->setEnabled(true);
    txtNum->setLocked(false);
    bestEffort({
        [&] { txtPicBox->setText(markers::newQuestion); },
        [&] { txtAnswer->setVisible(true); },
    });
    showRecordVideo(true);
    mnuLock->setEnabled(true);
    mnuUnlock->setEnabled(false);
    cmdSave->setEnabled(true);
    cmdDelete->setEnabled(false);
    cmdNew->setEnabled(false);
    txtNum->setFocus();
    bestEffort({[&] {
        if (const std::optional<QString> chapter = routedChapter(txtContentsRoute->text())) {
            txtChapter->setText(*chapter);
            txtQ->setText(*chapter);
        }
    }});
    txtNotes->setEnabled(true);
    return true;
}

// The record display as the activation runs it: the picture buttons follow
// only a record that names a picture in its stored row, and a record without
// a video only closes the video frame.
void frmMain::activationDisplay()
{
    showRecordMedia({.pictureNamedByStoredRow = true, .hidePictureWhenNone = false, .hideVideoButtonsWhenNone = false});
}

} // namespace questionwindow
