#pragma once

#include "platform/forms/Form.h"

#include <QString>

namespace forms {
class CommandButton;
class TextBox;
class Timer;
} // namespace forms
namespace speech {
class Character;
class CharacterControl;
} // namespace speech

namespace questionwindow {

// What the reader's character says for the text of its box: the text itself,
// or a request to copy some first when the box is empty.
QString readerSpeech(const QString& boxText);

// The clipboard reader: a small topmost tool window whose own character reads
// aloud the text on the clipboard. It shares nothing with the question
// window's character and keeps no setting. Exit marks the window; its timer
// closes a marked window on its next tick.
class frmSpeak : public forms::Form {
    Q_OBJECT
public:
    // The closing marker Exit writes into Text1.
    static const QString closingMarker;

    frmSpeak();
    ~frmSpeak() override;

    forms::CommandButton* cmdSpeak; // "&Read"
    forms::CommandButton* cmdStop;  // "&Stop"
    forms::CommandButton* cmdHide;  // "&Hide"
    forms::CommandButton* Command1; // "E&xit"
    forms::CommandButton* cmdPause; // "Pause", below the seen area
    forms::TextBox* txtSpeak;       // the clipboard text being read
    forms::TextBox* Text1;          // "Text1"; "Hide" once Exit was pressed
    forms::Timer* Timer1;           // the closing check, every 4000 ms
    speech::CharacterControl* Agent1;

    void cmdSpeak_Click();
    void cmdStop_Click();
    void cmdHide_Click();
    void cmdPause_Click();
    void Command1_Click();
    void Timer1_Timer();

protected:
    void Form_Load() override;

private:
    // The reader's character, looked up by its id at each use; raises 35601
    // when it could not be loaded.
    speech::Character& character() const;
};

} // namespace questionwindow
