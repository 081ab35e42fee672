#pragma once

#include "platform/data/DataControl.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/TextBox.h"

namespace contents {

// The main table of contents: the program's home window. It owns the cursors
// on the chapter titles, the print settings row and the settings store (the
// hidden boxes bound to the settings and flags rows) for the whole run.
class frmContents : public forms::Form {
    Q_OBJECT
public:
    frmContents();

    data::DataControl* Data1; // Table3: bank 1 chapter titles
    data::DataControl* Data2; // Table6: print settings row
    data::DataControl* Data3; // Table13: flags row
    data::DataControl* Data4; // Table11: settings row

    forms::TextBox* txtK;   // caption of the chapter button last pressed, or "Snore"
    forms::TextBox* txtRes; // screen-size text, " 1024 x 768"

    // The settings store.
    forms::TextBox* txtSkin;
    forms::TextBox* txtState;
    forms::TextBox* txtShowImages;
    forms::TextBox* txtBalloon;
    forms::ControlArray<forms::TextBox> txtFont; // 0 name, 1 bold, 2 italic, 3 size, 4 fore colour, 5 back colour
    forms::TextBox* txtAgentInstall;
    forms::TextBox* txtVoice; // names the voice field but is bound to nothing

protected:
    void Form_Load() override;
};

} // namespace contents
