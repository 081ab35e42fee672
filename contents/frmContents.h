#pragma once

#include "contents/ContentsWindow.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/ImageBox.h"

namespace contents {

// The main table of contents: the program's home window and the table of
// contents of test bank 1. It owns the cursors on the chapter titles, the
// print settings row and the settings store (the hidden boxes bound to the
// settings and flags rows) for the whole run, and closing it ends the program.
//
// Its code is spread over files by behaviour: the design (frmContents.cpp),
// its own activation steps (frmContents_activate.cpp) and its own buttons and
// menus (frmContents_commands.cpp); what every table of contents shares is in
// ContentsWindow, the chapter buttons' steps in ChapterButtons.
class frmContents : public ContentsWindow {
    Q_OBJECT
public:
    frmContents();
    ~frmContents() override;

    // ---- Cursors -------------------------------------------------------------
    // Data1 (Table3) holds the bank 1 chapter titles.
    data::DataControl* Data2; // Table6: print settings row
    data::DataControl* Data3; // Table13: flags row
    data::DataControl* Data4; // Table11: settings row

    // ---- Hidden boxes ----------------------------------------------------------
    forms::TextBox* txtRes; // screen-size text, " 1024 x 768"

    // The settings store, with txtSkin and txtBalloon; txtVoice names the
    // voice field but is bound to nothing.
    forms::TextBox* txtState;
    forms::TextBox* txtShowImages;
    forms::ControlArray<forms::TextBox> txtFont; // 0 name, 1 bold, 2 italic, 3 size, 4 fore colour, 5 back colour
    forms::TextBox* txtAgentInstall;

    // ---- Pictures ------------------------------------------------------------------
    forms::ImageBox* FXImage1; // the title picture; the start-up window places it

    // ---- Menus: the font, colour and speech items only the home window carries ------
    forms::Menu* mnuLoadNuvia;       // "Load Agent Programs"
    forms::Menu* mnuChangeFonts;     // "Change Screen Fonts"
    forms::Menu* mnuResetFonts;      // "Reset Screen Fonts"
    forms::Menu* mnuChangeFontColor; // "Change Font Color"
    forms::Menu* mnuChangeCanvas;    // "Change Canvas Color"

    // ---- Handlers ------------------------------------------------------------------
    void cmdTestBank2_Click() override;
    void cmdTestBank3_Click() override;
    void mnuLoadNuvia_Click();
    void mnuEnd_Click() override;
    void mnuChangeFonts_Click();
    void mnuResetFonts_Click();
    void mnuChangeFontColor_Click();
    void mnuChangeCanvas_Click();
    void mnuContents_Click() override;

protected:
    void Form_Load() override;
    void activateOwnParts() override;
};

} // namespace contents
