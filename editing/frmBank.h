#pragma once

#include "platform/data/DataControl.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/ReSize.h"
#include "platform/forms/TextBox.h"

#include <initializer_list>

namespace appearance {
class SkinBackground;
}

namespace hosting {
class ControlHost;
}

namespace editing {

// "Test Question Hub": copies (transports) the question shown in the question
// window into a chapter of one of the three test banks. The user picks a
// bank with the four option buttons, a chapter from its titles, may change
// the question number the chapter's count proposes, and transports; the copy
// gets a database number no other question holds.
//
// Its code: the design (frmBank.cpp), loading, activation, the banks and the
// chapter list (frmBank_chapters.cpp), and the transport and its way back
// (frmBank_transport.cpp, with the question window's two buttons in
// questionwindow/frmMain_editwindows.cpp).
class frmBank : public forms::Form {
    Q_OBJECT
public:
    frmBank();
    ~frmBank() override;

    // ---- Cursor and hidden boxes ------------------------------------------------
    data::DataControl* Data1;            // a chapter's questions, for its last question number
    forms::TextBox* txtCheckQuestionNum; // bound to Data1's qnum
    forms::TextBox* txtLook;             // "Transport" after a chapter click or a transport, "txtLook" otherwise

    // ---- The question being copied ------------------------------------------------
    forms::TextBox* txtQuestion;
    forms::TextBox* txtA;
    forms::TextBox* txtB;
    forms::TextBox* txtC;
    forms::TextBox* txtD;
    forms::TextBox* txtAnswer; // the correct letter
    forms::TextBox* txtNotes;
    forms::TextBox* txtLevel;   // "1" or "2"
    forms::TextBox* txtPicture; // picture file name
    forms::TextBox* txtVideo;   // video file name
    forms::PictureBox* pic1;    // the picture the question window shows

    // ---- Where it goes ------------------------------------------------------------
    forms::TextBox* txtChapter;         // the chapter title the copy gets
    forms::ListBox* List1;              // the chapter titles of the chosen bank or banks
    forms::TextBox* txtNumber;          // the question number the copy gets; the user may change it
    forms::CheckBox* chkPic;            // "Include Picture?": shown only for a question that shows a picture
    hosting::ControlHost* optTestBank1; // "Show Question Bank 1"
    hosting::ControlHost* optTestBank2; // "Show Question Bank 2"
    hosting::ControlHost* optTestBank3; // "Show Question Bank 3"
    hosting::ControlHost* optBoth;      // "Show All Question Banks"

    forms::CommandButton* Command1;       // "Transport Question"
    forms::CommandButton* Command2;       // "&Cancel", also the Escape key
    appearance::SkinBackground* FXImage1; // the skin's picture behind every control
    forms::ReSize* ReSize1;               // grows the controls with the window

    // ---- Steps ----------------------------------------------------------------------
    void optTestBank1_Click();
    void optTestBank2_Click();
    void optTestBank3_Click();
    void optBoth_Click();
    void List1_Click();
    void Command1_Click();
    void Command2_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    // The option buttons come from their control library; without it the
    // places stay empty and the hub lists bank 1's titles only.
    void designBankOptions(QWidget& frame);
    // The list holds the non-empty titles of the given banks (1 to 3), in order.
    void listBanks(std::initializer_list<int> banks);
};

} // namespace editing
