#pragma once

#include "platform/data/DataControl.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/ImageBox.h"
#include "platform/forms/Menu.h"
#include "platform/forms/Qv3dLabel.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"

#include <vector>

namespace contents {

class ChapterButtons;
class SkinBackground;

// The main table of contents: the program's home window and the table of
// contents of test bank 1. It owns the cursors on the chapter titles, the
// print settings row and the settings store (the hidden boxes bound to the
// settings and flags rows) for the whole run, and closing it ends the program.
//
// Its code is spread over files by behaviour: the design (frmContents.cpp),
// the activation step with the button colours (frmContents_activate.cpp) and
// the buttons, menus, clock and closing rule (frmContents_commands.cpp); the
// chapter buttons' steps are shared with the bank windows (ChapterButtons).
class frmContents : public forms::Form {
    Q_OBJECT
public:
    frmContents();
    ~frmContents() override;

    // ---- Cursors -------------------------------------------------------------
    data::DataControl* Data1; // Table3: bank 1 chapter titles
    data::DataControl* Data2; // Table6: print settings row
    data::DataControl* Data3; // Table13: flags row
    data::DataControl* Data4; // Table11: settings row

    // ---- Hidden boxes ----------------------------------------------------------
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

    // ---- Pictures and buttons -----------------------------------------------------
    SkinBackground* fxBack;   // the skin's background picture
    forms::ImageBox* FXImage1; // the title picture; the start-up window places it
    // Chapter button cmd1 .. cmd20, bound to title1 .. title20.
    forms::Qv3dLabel* cmd(int number) const;
    ChapterButtons* chapters;
    forms::Qv3dLabel* cmdAll;       // "The Entire Test"
    forms::Qv3dLabel* cmdExit;      // "&Exit"
    forms::Qv3dLabel* cmdTestBank2; // "Test Bank 2"
    forms::Qv3dLabel* cmdTestBank3; // "Text Bank 3"

    // The 24 label buttons in the order the looks are applied: cmd1 .. cmd20,
    // cmdTestBank2, cmdTestBank3, cmdAll, cmdExit.
    std::vector<forms::Qv3dLabel*> labelButtons() const;

    forms::StatusBar* Status; // "Table Of Contents", bank, product, "Time"
    forms::Timer* Timer1;     // the clock

    // ---- Menus ---------------------------------------------------------------------
    forms::Menu* mnuFile;
    forms::Menu* mnuLoadNuvia;       // "Load Agent Programs"
    forms::Menu* mnuTerminology;     // "Terminology"
    forms::Menu* mnuEnd;             // "&End"
    forms::Menu* mnuOptions;
    forms::Menu* mnuPallete;         // "Show Chapter Palette"
    forms::Menu* mnuChangeFonts;     // "Change Screen Fonts"
    forms::Menu* mnuResetFonts;      // "Reset Screen Fonts"
    forms::Menu* mnuChangeFontColor; // "Change Font Color"
    forms::Menu* mnuChangeCanvas;    // "Change Canvas Color"
    forms::Menu* mnuSkins;           // "Change Interface Skin"
    forms::Menu* mnuHelp;
    forms::Menu* mnuContents;        // "Contents"
    forms::Menu* mnuWeb;             // "Connect To Brisolt Website"
    forms::Menu* mnuAbout;           // "About"

    // ---- Public methods: the caption colour of the 24 label buttons ----------------
    void BlackButtons();
    void RedButtons();
    void WhiteButtons();

    // ---- Handlers ------------------------------------------------------------------
    void cmdAll_Click();
    void cmdExit_Click();
    void cmdTestBank2_Click();
    void cmdTestBank3_Click();
    void cmdAll_MouseDown();
    void cmdAll_MouseUp();
    void cmdExit_MouseDown();
    void cmdExit_MouseUp();
    void cmdTestBank2_MouseDown();
    void cmdTestBank2_MouseUp();
    void cmdTestBank3_MouseDown();
    void cmdTestBank3_MouseUp();
    void mnuLoadNuvia_Click();
    void mnuTerminology_Click();
    void mnuEnd_Click();
    void mnuPallete_Click();
    void mnuChangeFonts_Click();
    void mnuResetFonts_Click();
    void mnuChangeFontColor_Click();
    void mnuChangeCanvas_Click();
    void mnuSkins_Click();
    void mnuContents_Click();
    void mnuWeb_Click();
    void mnuAbout_Click();
    void Timer1_Timer();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& cancel) override;

private:
    void buildSettingsStore();
    void buildDesign();
    void buildMenus();
    void connectHandlers();
};

} // namespace contents
