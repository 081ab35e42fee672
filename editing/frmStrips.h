#pragma once

#include "platform/forms/CommandButton.h"
#include "platform/forms/DirListBox.h"
#include "platform/forms/FileListBox.h"
#include "platform/forms/Form.h"
#include "platform/forms/ImageBox.h"
#include "platform/forms/Label.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/TextBox.h"

namespace hosting {
class ControlHost;
}

namespace editing {

// "Edit Screen Images": attaches a picture or a video to the question the
// question window shows, or takes it off. Pictures come from the program's
// picture folder and videos from its video folder; the question keeps the
// file name only. A file chosen from another folder is copied into the
// program's folder first, under a name no other file there has.
//
// The window is modeless: the question window stays usable beside it, and
// every choice works on the record the question window stands on at that
// moment. A choice is stored at once; there is no undo.
class frmStrips : public forms::Form {
    Q_OBJECT
public:
    frmStrips();
    ~frmStrips() override;

    forms::TabControl* SSTab2; // tab 0 "Picture", tab 1 "Video"

    // ---- Picture tab --------------------------------------------------------
    forms::Label* Label1; // "Path"
    forms::DirListBox* Dir1;
    forms::FileListBox* File1;      // "*.jpg" of Dir1's folder
    forms::TextBox* txtFile1;       // the picture's file name
    forms::TextBox* txtFileName;    // full path of the picture chosen here
    forms::ImageBox* Image1;        // preview
    forms::CommandButton* Command4; // "Delete Image"

    // ---- Video tab ----------------------------------------------------------
    forms::Label* Label2; // "Path"
    forms::DirListBox* Dir2;
    forms::FileListBox* File2; // "*.wmv ;*.mpg" of Dir2's folder
    forms::Label* Label3;      // "File Name"
    // The video chosen since the window was last activated, "" for none:
    // "&OK" offers the question window's "Show Video" only after a choice.
    forms::TextBox* txtFile4;
    forms::TextBox* txtFileName2;    // full path of the video
    forms::CommandButton* Command12; // "Delete Video"

    hosting::ControlHost* optLead1; // "Lead 1", from the control library
    forms::CommandButton* Command1; // "&OK"; Esc presses it
    forms::ImageBox* FXImage1;      // the window's background

    void Dir1_Change();
    void Dir2_Change();
    void File1_Click();
    void File2_Click();
    void Command4_Click();
    void Command12_Click();
    void Command1_Click();

protected:
    void Form_Activate() override;

private:
    void designPictureTab(QWidget& page);
    void designVideoTab(QWidget& page);
};

} // namespace editing
