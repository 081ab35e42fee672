#pragma once

#include <QImage>
#include <QString>

#include <memory>

namespace data {
class DataControl;
}
namespace forms {
class TextBox;
}

// Calls the editing windows make up into the question window, which lies
// above them: declared here so editing names no question window, defined
// with it (questionwindow/frmMain_editwindows.cpp). A call that names the
// question window loads it on first touch, as opening it does.
namespace editing {

// ---- The question hub -----------------------------------------------------------

// A question's texts as the question window's boxes hold them.
struct QuestionTexts {
    QString question;
    QString a;
    QString b;
    QString c;
    QString d;
    QString answer; // the correct letter
    QString notes;
    QString level;   // "1" or "2"
    QString picture; // picture file name
    QString video;   // video file name
};

// The question the question window shows, and the picture it shows (null
// for none): what the hub offers to copy.
struct ShownQuestion {
    QuestionTexts texts;
    QImage picture;
};
ShownQuestion shownQuestion();

// A copy the hub transports into a chapter.
struct TransportedQuestion {
    QuestionTexts texts;
    QString chapter;
    QString number;           // the question number within the chapter
    bool withPicture = false; // the copy is marked as showing its picture
};
// The question window's set becomes the whole question table and takes the
// copy as a new record under a database number no other question holds,
// shown on the window's boxes and stored; the new record is current. A step
// that fails throws, the steps after it not taken.
void addTransportedQuestion(const TransportedQuestion& copy);

// The question window goes back to the question it remembered when the hub
// was opened, and offers "Transport" again.
void returnToRememberedQuestion();

// ---- The thesaurus ------------------------------------------------------------------

// The question window's edit box that a field marker names ("Question",
// "A".."D", "Notes"); null while the window is not loaded, or for any other
// marker.
forms::TextBox* questionFieldNamed(const QString& marker);

// ---- Pictures and videos --------------------------------------------------------

// The question window's question as "Edit Screen Images" changes its picture
// and video: the set's cursor, the bound boxes the record keeps them in, and
// what the window shows of them.
class QuestionMedia {
public:
    virtual ~QuestionMedia() = default;

    virtual data::DataControl& cursor() = 0;
    virtual forms::TextBox& pictureName() = 0; // bound: the picture file name
    virtual forms::TextBox& pictureMark() = 0; // "2" while the question shows its picture
    virtual forms::TextBox& videoName() = 0;   // bound: the video file name
    // The picture shown, and the file it is read from now.
    virtual QImage picture() const = 0;
    virtual void showPicture(const QString& file) = 0;
    // The picture and its show and hide buttons go, as for a question that
    // never had one.
    virtual void hidePicture() = 0;
    // The full path of the video the player holds; the player takes the
    // video `name` of the video folder, composed as the record display
    // composes it, or none for an empty name.
    virtual QString videoPath() const = 0;
    virtual void setVideo(const QString& name) = 0;
    // "Show Video" offered, or the video's buttons and frame hidden.
    virtual void offerVideo() = 0;
    virtual void hideVideo() = 0;
};
// The question window's question while the window is loaded; null once the
// user has left it, so a choice made then loads no window afresh.
std::unique_ptr<QuestionMedia> questionMedia();

} // namespace editing
