#pragma once

#include "platform/forms/MsgBoxStyle.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <deque>
#include <variant>

namespace forms {

// A message or input box as the program asked for it.
struct ShownBox {
    enum class Kind { Message, Input };
    Kind kind = Kind::Message;
    QString title;
    QString text;        // the message, or the input box's prompt
    int buttons = 0;     // vbOKOnly .. vbRetryCancel
    int icon = 0;        // 0, vbCritical, vbQuestion, vbExclamation, vbInformation
    int defaultButton = 1; // 1..3
    QString defaultText; // input box
    QVariant answer;     // what the program received (int or QString)
    bool expected = true; // a fitting scripted answer was waiting for it
    QString problem;     // why it was unexpected
};

// The one way the program shows message and input boxes. The program's App
// owns one and makes it current; tests script it instead: a queue of answers,
// each box taking the next one, every box recorded. A box that finds no
// fitting answer is recorded as unexpected and gets its cancel answer without
// being shown, so a test never hangs on a box.
class Dialogs {
public:
    using Answer = std::variant<int, QString>;

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

    // Scripted mode: boxes are answered from the queue and recorded.
    bool scripted() const { return scripted_; }
    void setScripted(bool on) { scripted_ = on; }
    void script(int msgBoxResult) { answers_.push_back(msgBoxResult); }
    void script(const QString& inputText) { answers_.push_back(inputText); }
    int pendingAnswers() const { return int(answers_.size()); }
    void clearScript();
    const QList<ShownBox>& shown() const { return shown_; }
    QList<ShownBox> unexpected() const;

    // The answer a box gets when dismissed (Escape) or unexpected.
    static int cancelAnswer(int style);

private:
    int answerScripted(ShownBox box, int style);
    QString answerScriptedInput(ShownBox box);
    static int showMessageBox(const QString& text, int style, const QString& title);
    static QString showInputBox(const QString& prompt, const QString& title, const QString& defaultText);

    QString applicationTitle_;
    bool scripted_ = false;
    std::deque<Answer> answers_;
    QList<ShownBox> shown_;
};

// The program's boxes go through the current module.
int msgBox(const QString& text, int style = vbOKOnly);
int msgBox(const QString& text, int style, const QString& title);
QString inputBox(const QString& prompt, const QString& title, const QString& defaultText = {});

// The system beep.
void beep();

} // namespace forms
