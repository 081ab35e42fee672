// Record display and the moves through the question set: the four move
// buttons and their letter keys, the picture, video and notes buttons, and
// the data control's record-change and validate events.

#include "questionwindow/frmMain.h"

#include "platform/core/Paths.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/gdi/Rounding.h"
#include "platform/media/MediaPlayer.h"
#include "printing/frmPackage.h"
#include "settings/Markers.h"
#include "widgets/XP_ProgressBar.h"

#include <QApplication>
#include <QFileInfo>
#include <QMouseEvent>

namespace questionwindow {

using forms::bestEffort;
using forms::testOr;

namespace {

// Lets the user move the question's picture about the window with the
// mouse. A press that turns into a drag is no click, so dropping the picture
// does not hide it.
class PictureDrag : public QObject {
public:
    explicit PictureDrag(QWidget* picture) : QObject(picture), picture_(picture) { picture->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            pressedAt_ = mouse->globalPosition().toPoint();
            startedAt_ = picture_->pos();
            pressed_ = true;
            dragging_ = false;
            break;
        }
        case QEvent::MouseMove: {
            if (!pressed_)
                break;
            const QPoint moved = static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - pressedAt_;
            if (!dragging_ && moved.manhattanLength() < QApplication::startDragDistance())
                break;
            dragging_ = true;
            picture_->raise();
            picture_->move(keptInside(startedAt_ + moved));
            return true;
        }
        case QEvent::MouseButtonRelease:
            pressed_ = false;
            if (dragging_) {
                dragging_ = false;
                return true;
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    // The picture stays inside the window, as a dragged control does.
    QPoint keptInside(QPoint place) const
    {
        const QWidget* area = picture_->parentWidget();
        if (!area)
            return place;
        place.setX(std::clamp(place.x(), 0, std::max(0, area->width() - picture_->width())));
        place.setY(std::clamp(place.y(), 0, std::max(0, area->height() - picture_->height())));
        return place;
    }

    QWidget* picture_;
    QPoint pressedAt_;
    QPoint startedAt_;
    bool pressed_ = false;
    bool dragging_ = false;
};

} // namespace

QString frmMain::fileListPath(const QString& subfolder, const QString& name) const
{
    return platform::joinProgramPath(File1Path, subfolder + QLatin1Char('/') + name);
}

void frmMain::enablePictureDrag()
{
    new PictureDrag(FXImage1);
}

// ---- The steps the moves share ------------------------------------------

void frmMain::prepareMove()
{
    bestEffort({
        [&] { optA->setValue(false); },
        [&] { optB->setValue(false); },
        [&] { optC->setValue(false); },
        [&] { optD->setValue(false); },
        [&] { txtAnswer->setVisible(false); },
        [&] { txtSA->setVisible(false); },
    });
}

void frmMain::startFreshQuestion()
{
    prepareMove();
    txtAlreadyAnswered->setText(markers::notYetCounted);
}

void frmMain::refreshNotesButton()
{
    cmdShowNotes->setVisible(!txtNotes->text().isEmpty());
}

// In flash-card mode every new card shows its question only.
void frmMain::hideAnswersForFlashCards()
{
    if (txtBe->text() != markers::flashCardCode)
        return;
    for (forms::TextBox* answer : {txtA, txtB, txtC, txtD})
        answer->setVisible(false);
}

void frmMain::recordDisplay()
{
    // A record with a picture keeps the visibility the user chose on the
    // previous one; a record without hides it, and the next picture then
    // waits for "Show Picture".
    showRecordMedia({.pictureNamedByStoredRow = false, .hidePictureWhenNone = true, .hideVideoButtonsWhenNone = true});
}

// The picture and video part of a record display: the picture's path is
// composed and handed over whether or not the picture shows, since other
// windows read the picture it holds.
void frmMain::showRecordMedia(const MediaRules& rules)
{
    bestEffort({
        [&] { Dir1Path = forms::App::current().path(); },
        [&] { File1Path = Dir1Path; },
        [&] { txtFileName->setText(fileListPath(QStringLiteral("pictures"), txtFile1->text())); },
        [&] { loadQuestionPicture(); },
    });
    bestEffort({[&] {
        bool hasPicture = !txtFile1->text().isEmpty();
        if (rules.pictureNamedByStoredRow) {
            const QVariant stored = Data1->recordset().field(QStringLiteral("d_strip1")).value();
            hasPicture = !stored.isNull() && !stored.toString().isEmpty();
        }
        if (!hasPicture) {
            if (rules.hidePictureWhenNone) {
                FXImage1->setVisible(false);
                cmdShow->setVisible(false);
                cmdHide->setVisible(false);
            }
            return;
        }
        const bool shown = !FXImage1->isHidden();
        cmdHide->setVisible(shown);
        cmdShow->setVisible(!shown);
    }});
    showRecordVideo(rules.hideVideoButtonsWhenNone);
}

// The video part alone; the new-question offer runs it by itself.
void frmMain::showRecordVideo(bool hideButtonsWhenNone)
{
    bestEffort({
        [&] { txtVideo->setText(fileListPath(QStringLiteral("Video"), txtVideo1->text())); },
        [&] { Video->setFileName(txtVideo->text()); },
    });
    if (!txtVideo1->text().isEmpty()) {
        cmdShowVideo->setVisible(true);
        return;
    }
    if (hideButtonsWhenNone)
        cmdShowVideo->setVisible(false);
    fraVideo->setVisible(false);
    if (hideButtonsWhenNone)
        cmdHideVideo->setVisible(false);
}

// ---- The four moves ---------------------------------------------------------
// Each move is best effort: on an empty set or without a database the moves
// fail and are skipped, and the window goes on.

void frmMain::cmdFirst_Click()
{
    bestEffort({[&] { Data1->recordset().moveFirst(); }});
    prepareMove();
    recordDisplay();
    hideAnswersForFlashCards();
}

void frmMain::cmdPrevious_Click()
{
    prepareMove();
    if (testOr(true, [&] { return !Data1->recordset().bof(); })) {
        bestEffort({[&] { Data1->recordset().movePrevious(); }});
        // Back from the first record: stay on it, without a word.
        if (testOr(true, [&] { return Data1->recordset().bof(); }))
            bestEffort({[&] { Data1->recordset().moveNext(); }});
    }
    refreshNotesButton();
    recordDisplay();
    hideAnswersForFlashCards();
}

void frmMain::cmdNext_Click()
{
    prepareMove();
    if (testOr(true, [&] { return !Data1->recordset().eof(); }))
        bestEffort({[&] { Data1->recordset().moveNext(); }});
    txtAlreadyAnswered->setText(markers::notYetCounted);
    if (testOr(true, [&] { return Data1->recordset().eof(); })) {
        bestEffort({
            [&] { Data1->recordset().movePrevious(); },
            [&] { Data1->recordset().moveLast(); },
        });
        forms::msgBox(QStringLiteral("This is the last question."), forms::vbOKOnly + forms::vbExclamation,
                      QStringLiteral("Brisolt Software"));
        // "Don't Tell Me How I'm Doing" reveals the score at the end.
        if (!mnuTell->enabled()) {
            for (forms::TextBox* score : {txtCorrect, txtIncorrect, txtTotal, txtScore})
                score->setVisible(true);
            cmdScore->setVisible(false);
            cmdCheat->setVisible(true);
        }
    }
    refreshNotesButton();
    recordDisplay();
    hideAnswersForFlashCards();
}

void frmMain::cmdLast_Click()
{
    bestEffort({[&] { Data1->recordset().moveLast(); }});
    prepareMove();
    txtAlreadyAnswered->setText(markers::notYetCounted);
    refreshNotesButton();
    recordDisplay();
    hideAnswersForFlashCards();
}

// A letter on a move button picks that answer and answers. In the modes
// that judge the pick itself (and may already have moved on to the next
// question), the letter only picks: answering again would judge the next
// question unasked, or cut off the spoken verdict that moves the set on.
void frmMain::moveButton_KeyPress(int& keyAscii)
{
    const QChar key = QChar(keyAscii).toUpper();
    forms::OptionButton* option = nullptr;
    if (key == QLatin1Char('A'))
        option = optA;
    else if (key == QLatin1Char('B'))
        option = optB;
    else if (key == QLatin1Char('C'))
        option = optC;
    else if (key == QLatin1Char('D'))
        option = optD;
    if (!option)
        return;
    const QString mode = txtBe->text();
    const bool pickJudges = mode == markers::bypassCode || mode == markers::turboCode || mode == markers::hideScoreCode;
    option->setValue(true);
    if (!pickJudges)
        cmdAnswer_Click();
}

// ---- Picture, video and notes -------------------------------------------------

// A picture the question names but that is missing or damaged says so in
// its frame: an empty frame under a question about the picture leaves the
// candidate guessing.
void frmMain::loadQuestionPicture()
{
    const QString path = txtFileName->text();
    if (FXImage1->setPicture(path) || txtFile1->text().isEmpty())
        return;
    FXImage1->showNote(
        QStringLiteral("The picture cannot be shown: the file \"%1\" is %2.")
            .arg(txtFile1->text(), QFileInfo(path).isFile() ? QStringLiteral("damaged") : QStringLiteral("missing")));
}

void frmMain::cmdShow_Click()
{
    loadQuestionPicture();
    FXImage1->setVisible(true);
    FXImage1->raise();
    cmdShow->setVisible(false);
    cmdHide->setVisible(true);
}

void frmMain::cmdHide_Click()
{
    FXImage1->setVisible(false);
    cmdShow->setVisible(true);
    cmdHide->setVisible(false);
}

void frmMain::FXImage1_Click()
{
    cmdHide_Click();
}

void frmMain::Picture1_DblClick()
{
    Picture1->setVisible(false);
    cmdShow->setVisible(true);
    cmdHide->setVisible(false);
}

void frmMain::cmdShowVideo_Click()
{
    fraVideo->setVisible(true);
    // Entering the record again, as a move does, starts its video.
    bestEffort({
        [&] { Data1->recordset().movePrevious(); },
        [&] { Data1->recordset().moveNext(); },
    });
    cmdShowVideo->setVisible(false);
    cmdHideVideo->setVisible(true);
}

void frmMain::cmdHideVideo_Click()
{
    fraVideo->setVisible(false);
    cmdShowVideo->setVisible(true);
    cmdHideVideo->setVisible(false);
}

void frmMain::cmdShowNotes_Click()
{
    if (!fraNotes->isHidden()) {
        cmdNotes->setVisible(cmdNotes->isHidden());
        fraNotes->setVisible(fraNotes->isHidden());
        mnuAddNotes->setEnabled(true);
        cmdShowNotes->setEnabled(true);
        size2();
        return;
    }
    size1();
    refreshNotesButton();
    cmdNotes->setVisible(true);
    fraNotes->setVisible(true);
    fraNotes->raise();
    txtNotes->setVisible(true);
    mnuAddNotes->setEnabled(false);
    if (!txtNotes->locked()) {
        txtNotes->setVisible(true);
        txtNotes->setFocus();
    }
    refreshNotesButton();
}

void frmMain::cmdNotes_Click()
{
    cmdNotes->setVisible(cmdNotes->isHidden());
    fraNotes->setVisible(fraNotes->isHidden());
    mnuAddNotes->setEnabled(true);
    cmdShowNotes->setEnabled(true);
    size2();
    refreshNotesButton();
}

// ---- Data control events --------------------------------------------------------

// Runs after every move and refresh of the set: the progress bar and the
// copies that reading aloud and printing use follow the current record. With
// no current record it ends at once and the copies keep their texts.
void frmMain::Data1_Reposition()
{
    forms::leaveOnError([&] {
        data::Recordset& records = Data1->recordset();
        if (!records.hasCurrentRecord())
            return;
        // The nearest whole percent, a half going to the even one.
        const int percent = int(gdi::roundHalfEven(records.percentPosition()));
        ProgressBar1->setValue(percent);
        printing::showPackageProgress(percent);
        txtQuestion2->setText(txtQuestion->text());
        txtA2->setText(txtA->text());
        txtB2->setText(txtB->text());
        txtC2->setText(txtC->text());
        txtD2->setText(txtD->text());
        txtAnswer2->setText(txtAnswer->text());
        txtNotes2->setText(txtNotes->text());
    });
}

// Leaving a record because a bookmark was set drops the boxes' changes.
void frmMain::Data1_Validate(int action, bool& save)
{
    if (action == int(data::ValidateAction::Bookmark))
        save = false;
}

} // namespace questionwindow
