// The steps of "Edit Screen Images": the activation that takes over the
// question window's record, the choice of a picture or a video, the two
// delete commands and "&OK". Each change is stored in the question record at
// once; a change that cannot be stored is reported and leaves the record,
// the question window's boxes and this window as they were.

#include "editing/frmStrips.h"

#include "editing/MediaFiles.h"
#include "editing/QuestionWindowCalls.h"
#include "platform/core/Paths.h"
#include "platform/core/RuntimeError.h"
#include "platform/data/DataControl.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/TextBox.h"

#include <QDir>
#include <QFile>

#include <memory>
#include <utility>
#include <vector>

namespace editing {

using forms::bestEffort;

namespace {

const QString title = QStringLiteral("Brisolt");

QString pictureFolder()
{
    return platform::joinProgramPath(forms::App::current().path(), QStringLiteral("\\pictures"));
}

QString videoFolder()
{
    return platform::joinProgramPath(forms::App::current().path(), QStringLiteral("\\Video"));
}

void tell(const QString& text)
{
    forms::msgBox(text, forms::vbOKOnly + forms::vbExclamation, title);
}

// What the question record keeps of a chosen file: a picture or a video.
struct Medium {
    const char* field; // the record's field
    const char* noun;  // "picture", "video"
};
constexpr Medium picture{"d_strip1", "picture"};
constexpr Medium video{"Video", "video"};

// The question window when it stands on a question whose picture or video
// can be changed; none, the user told why, when it does not.
// Once the user has left the question window, a choice here must not load
// it afresh on the whole bank and change a question nobody sees.
std::unique_ptr<QuestionMedia> questionToChange(const Medium& medium)
{
    const QString noun = QString::fromLatin1(medium.noun);
    std::unique_ptr<QuestionMedia> window = questionMedia();
    if (!window || !window->cursor().hasRecordset() || !window->cursor().recordset().hasCurrentRecord()) {
        tell(QStringLiteral("There is no question on the question window to change the %1 of.").arg(noun));
        return nullptr;
    }
    data::Recordset& records = window->cursor().recordset();
    // A question still being entered is stored by its own Save; storing it
    // from here would leave the question window entering a question that
    // is already in the bank.
    if (records.editMode() == data::Recordset::EditAdd) {
        tell(QStringLiteral("Save the new question first, then give it its %1.").arg(noun));
        return nullptr;
    }
    // Some question sets (random tests, the saved session) leave the field
    // out: a name written there would never reach the bank.
    if (!records.hasField(QString::fromLatin1(medium.field))) {
        tell(QStringLiteral("The questions shown now do not carry their %1s. Open the question's chapter from the "
                            "Table Of Contents to change its %1.")
                 .arg(noun));
        return nullptr;
    }
    return window;
}

// Writes new texts into bound boxes of the question window and stores the
// record. When the store fails the user is told, the boxes get their texts
// back and the record is left as it was; returns false then.
bool storeInQuestion(QuestionMedia& w, const Medium& medium, std::vector<std::pair<forms::TextBox*, QString>> changes)
{
    std::vector<std::pair<forms::TextBox*, QString>> before;
    for (const auto& [box, text] : changes) {
        before.emplace_back(box, box->text());
        box->setText(text);
    }
    data::Recordset& records = w.cursor().recordset();
    try {
        records.edit();
        records.update();
        return true;
    } catch (const platform::RuntimeError& error) {
        bestEffort({[&] { records.cancelUpdate(); }});
        for (const auto& [box, text] : before)
            box->setText(text);
        tell(QStringLiteral("The question's %1 could not be stored, so the question keeps what it had.\n\n"
                            "Error %2: %3")
                 .arg(QString::fromLatin1(medium.noun))
                 .arg(error.number())
                 .arg(error.description()));
        return false;
    }
}

// Moves off the record and back, so the question window runs its
// record-change step on the stored record; on the set's last record the
// move forward reaches the end and the move back returns.
void redisplayRecord(QuestionMedia& w)
{
    bestEffort({
        [&] { w.cursor().recordset().moveNext(); },
        [&] { w.cursor().recordset().movePrevious(); },
    });
}

// The name the chosen file has in `folder`: the file itself when it lies
// there, else a copy made there under a free name. "" when the copy was
// refused, the user told why.
QString nameInFolder(const forms::FileListBox& list, const QString& folder, const Medium& medium, bool& copied)
{
    copied = false;
    const QString chosen = list.fileName();
    if (sameFolder(list.path(), folder))
        return chosen;
    try {
        const QString name = copyIntoFolder(QDir(list.path()).filePath(chosen), folder);
        copied = true;
        return name;
    } catch (const platform::RuntimeError& error) {
        tell(QStringLiteral("The %1 \"%2\" lies outside the program's %1 folder and could not be copied into it, "
                            "so it was not given to the question.\n\n%3")
                 .arg(QString::fromLatin1(medium.noun), chosen, error.description()));
        return {};
    }
}

} // namespace

// ---- Activation -------------------------------------------------------------

void frmStrips::Form_Activate()
{
    bestEffort({
        [&] { Dir1->setPath(pictureFolder()); },
        [&] { Dir2->setPath(videoFolder()); },
        [&] { txtFile4->setText(QString()); },
    });
    const std::unique_ptr<QuestionMedia> window = questionMedia();
    if (!window)
        return;
    QuestionMedia& w = *window;
    bestEffort({[&] {
        const QVariant stored = w.cursor().recordset().field(QString::fromLatin1(picture.field)).value();
        if (!stored.isNull() && !stored.toString().isEmpty())
            Image1->showDrawnPicture(w.picture());
    }});
    bestEffort({
        [&] { txtFile1->setText(w.pictureName().text()); },
        [&] { txtFileName2->setText(w.videoPath()); },
    });
}

void frmStrips::Dir1_Change()
{
    File1->setPath(Dir1->path());
}

void frmStrips::Dir2_Change()
{
    File2->setPath(Dir2->path());
}

// ---- A picture chosen ----------------------------------------------------------

void frmStrips::File1_Click()
{
    const QString chosen = File1->fileName();
    const std::unique_ptr<QuestionMedia> window = chosen.isEmpty() ? nullptr : questionToChange(picture);
    if (!window)
        return;
    QuestionMedia& w = *window;
    if (!isPictureFile(QDir(File1->path()).filePath(chosen))) {
        tell(QStringLiteral("\"%1\" is not a picture the program can show, so it was not given to the question. "
                            "Choose a JPEG picture.")
                 .arg(chosen));
        return;
    }
    bool copied = false;
    const QString name = nameInFolder(*File1, pictureFolder(), picture, copied);
    if (name.isEmpty())
        return;
    if (!storeInQuestion(w, picture, {{&w.pictureName(), name}, {&w.pictureMark(), QStringLiteral("2")}})) {
        if (copied)
            QFile::remove(QDir(pictureFolder()).filePath(name));
        return;
    }

    txtFile1->setText(name);
    // From here on the lists show the picture folder, where the question
    // window looks the name up.
    bestEffort({
        [&] { Dir1->setPath(pictureFolder()); },
        [&] { File1->setPath(Dir1->path()); },
    });
    txtFileName->setText(QDir(File1->path()).filePath(name));
    w.showPicture(txtFileName->text());
    Image1->showDrawnPicture(w.picture());
    redisplayRecord(w);
}

// ---- A video chosen ------------------------------------------------------------

void frmStrips::File2_Click()
{
    const QString chosen = File2->fileName();
    const std::unique_ptr<QuestionMedia> window = chosen.isEmpty() ? nullptr : questionToChange(video);
    if (!window)
        return;
    QuestionMedia& w = *window;
    bool copied = false;
    const QString name = nameInFolder(*File2, videoFolder(), video, copied);
    if (name.isEmpty())
        return;
    if (!storeInQuestion(w, video, {{&w.videoName(), name}})) {
        if (copied)
            QFile::remove(QDir(videoFolder()).filePath(name));
        return;
    }

    txtFile4->setText(name);
    if (copied)
        bestEffort({[&] { Dir2->setPath(videoFolder()); }});
    txtFileName2->setText(QDir(File2->path()).filePath(name));
    // The player gets the video just chosen, composed the way the question
    // window's record display composes it.
    w.setVideo(name);
    redisplayRecord(w);
}

// ---- "Delete Image" and "Delete Video" ------------------------------------------------

void frmStrips::Command4_Click()
{
    const std::unique_ptr<QuestionMedia> window = questionToChange(picture);
    if (!window)
        return;
    QuestionMedia& w = *window;
    if (forms::msgBox(QStringLiteral("Do You Really Want To Delete This Image?"), forms::vbYesNoCancel, title)
        != forms::vbYes)
        return;
    // A question without a picture no longer says it has one.
    std::vector<std::pair<forms::TextBox*, QString>> changes{{&w.pictureName(), QString()}};
    if (w.pictureMark().text() == QLatin1String("2"))
        changes.emplace_back(&w.pictureMark(), QStringLiteral("1"));
    if (!storeInQuestion(w, picture, std::move(changes)))
        return;
    // Nothing is left to show: the picture goes, and so do its show and
    // hide buttons, as for a question that never had one.
    w.hidePicture();
    Image1->setPicture(forms::App::current().file(QStringLiteral("\\pictures\\blank.jpg")));
}

void frmStrips::Command12_Click()
{
    const std::unique_ptr<QuestionMedia> window = questionToChange(video);
    if (!window)
        return;
    QuestionMedia& w = *window;
    if (!storeInQuestion(w, video, {{&w.videoName(), QString()}}))
        return;
    txtFile4->setText(QString());
    txtFileName2->setText(QString());
    w.setVideo(QString());
    redisplayRecord(w);
    // No video left to offer, as for a question that never had one.
    w.hideVideo();
}

// ---- "&OK" -----------------------------------------------------------------------------

void frmStrips::Command1_Click()
{
    const std::unique_ptr<QuestionMedia> window = questionMedia();
    if (window && !txtFile4->text().isEmpty())
        window->offerVideo();
    Unload();
}

} // namespace editing
