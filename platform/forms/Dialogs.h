#pragma once

#include "platform/forms/MsgBoxStyle.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <deque>
#include <optional>
#include <variant>

class QPrinter;

namespace forms {

// A file dialog as a step asks for it. The filter is written the program's
// way, description and pattern in turns: "QFX Files (*.qfx)|*.qfx".
struct FileRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString filter;
    QString fileName;             // proposed: the file chosen last, or ""
    bool overwritePrompt = false; // Save: asks before an existing file is replaced
    QString defaultSuffix;        // Save: added to a name typed without an extension, as "qfx"
};

// What the user chose in the printer dialog, as a test scripts it: the
// copies, the pages (fromPage 0 for all) and, in place of a printer, the PDF
// file the pages go to.
struct PrintChoice {
    int copies = 1;
    int fromPage = 0;
    int toPage = 0;
    QString outputFile;
};

// What the user chose in the font dialog: the face, its size in points and
// its style.
struct FontChoice {
    QString name;
    double size = 0;
    bool bold = false;
    bool italic = false;
};

// A message, input, file, printer, font or colour dialog as the program asked for it.
struct ShownBox {
    enum class Kind { Message, Input, File, Printer, Font, Color };
    Kind kind = Kind::Message;
    QString title;
    QString text;          // the message, the input box's prompt, or the file dialog's filter
    int buttons = 0;       // vbOKOnly .. vbRetryCancel
    int icon = 0;          // 0, vbCritical, vbQuestion, vbExclamation, vbInformation
    int defaultButton = 1; // 1..3
    QString defaultText;   // input box; the file dialog's proposed name
    QVariant answer;       // what the program received: int, QString (a file's path or a font's name,
                           // "" cancelled), the copies of a printer dialog (0 cancelled), or the
                           // colour chosen (-1 cancelled)
    bool expected = true;  // a fitting scripted answer was waiting for it
    QString problem;       // why it was unexpected
};

// The one way the program shows message and input boxes. The program's App
// owns one and makes it current; tests script it instead: a queue of answers,
// each box taking the next one, every box recorded. A box that finds no
// fitting answer is recorded as unexpected and gets its cancel answer without
// being shown, so a test never hangs on a box.
class Dialogs {
public:
    // The scripted answers of file and printer dialogs; accepted false is Cancel.
    struct FileAnswer {
        bool accepted = false;
        QString path;
    };
    struct PrintAnswer {
        bool accepted = false;
        PrintChoice choice;
    };
    struct FontAnswer {
        bool accepted = false;
        FontChoice font;
    };
    struct ColorAnswer {
        bool accepted = false;
        int color = 0; // red in the low byte, as colours are stored
    };
    using Answer = std::variant<int, QString, FileAnswer, PrintAnswer, FontAnswer, ColorAnswer>;

    Dialogs() = default;
    ~Dialogs();
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;

    // The module the program's steps use; set by the App (or a test guard).
    static Dialogs* current();
    static void setCurrent(Dialogs* dialogs);

    // The title of a box given none.
    QString applicationTitle() const;
    void setApplicationTitle(const QString& title) { applicationTitle_ = title; }

    // text and title exactly as given; the no-title form uses the program's title.
    int msgBox(const QString& text, int style = vbOKOnly);
    int msgBox(const QString& text, int style, const QString& title);
    // The typed text, or "" when cancelled.
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText = {});

    // The chosen file's full path, or "" when the dialog was cancelled.
    QString fileDialog(const FileRequest& request);
    // The printer dialog on `printer`, offering pages 1 to pageCount; true
    // when the user chose to print, the printer then set up as chosen.
    bool printDialog(QPrinter& printer, int pageCount);
    // The font chosen, or none when the dialog was cancelled; the dialog
    // starts on `initial` when it names a face.
    std::optional<FontChoice> fontDialog(const QString& title, const FontChoice& initial = {});
    // The colour chosen (red in the low byte), or none when the dialog was
    // cancelled; the dialog starts on `initial`.
    std::optional<int> colorDialog(int initial);

    // Scripted mode: boxes are answered from the queue and recorded.
    bool scripted() const { return scripted_; }
    void setScripted(bool on) { scripted_ = on; }
    void script(int msgBoxResult) { answers_.push_back(msgBoxResult); }
    void script(const QString& inputText) { answers_.push_back(inputText); }
    void script(const FileAnswer& file) { answers_.push_back(file); }
    void script(const PrintAnswer& print) { answers_.push_back(print); }
    void script(const FontAnswer& font) { answers_.push_back(font); }
    void script(const ColorAnswer& color) { answers_.push_back(color); }
    int pendingAnswers() const { return int(answers_.size()); }
    void clearScript();
    const QList<ShownBox>& shown() const { return shown_; }
    QList<ShownBox> unexpected() const;

    // The answer a box gets when dismissed (Escape) or unexpected.
    static int cancelAnswer(int style);

private:
    int answerScripted(ShownBox box, int style);
    QString answerScriptedInput(ShownBox box);
    // The next scripted answer when it is of type T, else none and the box
    // marked unexpected; the box is recorded by the caller.
    template <class T>
    std::optional<T> takeScripted(ShownBox& box);
    void record(ShownBox box) { shown_.append(std::move(box)); }
    static int showMessageBox(const QString& text, int style, const QString& title);
    static QString showInputBox(const QString& prompt, const QString& title, const QString& defaultText);
    static QString showFileDialog(const FileRequest& request);
    static bool showPrintDialog(QPrinter& printer, int pageCount);
    static std::optional<FontChoice> showFontDialog(const QString& title, const FontChoice& initial);
    static std::optional<int> showColorDialog(int initial);

    QString applicationTitle_;
    bool scripted_ = false;
    std::deque<Answer> answers_;
    QList<ShownBox> shown_;
};

// The program's boxes go through the current module.
int msgBox(const QString& text, int style = vbOKOnly);
int msgBox(const QString& text, int style, const QString& title);
QString inputBox(const QString& prompt, const QString& title, const QString& defaultText = {});
QString fileDialog(const FileRequest& request);
bool printDialog(QPrinter& printer, int pageCount);
std::optional<FontChoice> fontDialog(const QString& title, const FontChoice& initial = {});
std::optional<int> colorDialog(int initial);

// The system beep.
void beep();

} // namespace forms
