#pragma once

#include "platform/data/DataControl.h"
#include "platform/forms/Form.h"
#include "platform/forms/Menu.h"
#include "platform/forms/Qv3dLabel.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"

#include <vector>

namespace contents {

class ChapterButtons;
class SkinBackground;

// The table of contents of the user's banks II and III: one design, two
// windows (frmContents2 and frmContents3). Their chapter titles can be
// changed by dropping a title on a button; closing either ends the program.
//
// Files by behaviour: the design (frmContentsBank.cpp), the activation step
// with the button colours (frmContentsBank_activate.cpp) and the buttons,
// menus, clock and closing rule (frmContentsBank_commands.cpp).
class frmContentsBank : public forms::Form {
    Q_OBJECT
public:
    // bank: 2 or 3.
    explicit frmContentsBank(int bank);
    ~frmContentsBank() override;

    int bank() const { return bank_; }

    // ---- Cursors and hidden boxes -----------------------------------------------------
    data::DataControl* Data1; // Table3: this bank's chapter titles
    data::DataControl* Data2; // Table11: its own copy of the settings row, never stored

    forms::TextBox* txtK;       // caption of the chapter button last pressed, or "Snore"
    forms::TextBox* txtSkin;    // the skin this window paints with
    forms::TextBox* txtBalloon; // bound, never used
    forms::TextBox* txtVoice;   // bound, never used

    // ---- Pictures and buttons -------------------------------------------------------------
    SkinBackground* fxBack;
    // Chapter button cmd1 .. cmd21, bound to titlea1 .. titlea21 (bank II)
    // or tb31 .. tb321 (bank III).
    forms::Qv3dLabel* cmd(int number) const;
    ChapterButtons* chapters;
    forms::Qv3dLabel* cmdAll;       // "The Entire Test"
    forms::Qv3dLabel* cmdExit;      // "&Exit"
    forms::Qv3dLabel* cmdTestBank2; // "Main Test Bank"
    forms::Qv3dLabel* cmdTestBank3; // the other user bank: "Text Bank 3" / "Text Bank 2"

    // The 25 label buttons in the order the textures are laid: cmd1 .. cmd21,
    // cmdTestBank2, cmdTestBank3, cmdAll, cmdExit.
    std::vector<forms::Qv3dLabel*> labelButtons() const;
    // The 24 whose caption colour follows the skin: all but cmdExit.
    std::vector<forms::Qv3dLabel*> coloredButtons() const;

    forms::StatusBar* Status; // "Table Of Contents", bank, "User", "Time"
    forms::Timer* Timer1;     // the clock

    // ---- Menus -----------------------------------------------------------------------------
    forms::Menu* mnuFile;
    forms::Menu* mnuTerminology; // "Terminology"
    forms::Menu* mnuEnd;         // "&End"
    forms::Menu* mnuOptions;
    forms::Menu* mnuPallete;     // "Show Chapter Palette"
    forms::Menu* mnuSkins;       // "Change Interface Skin"
    forms::Menu* mnuHelp;
    forms::Menu* mnuContents;    // "Contents"
    forms::Menu* mnuWeb;         // "Connect To Brisolt Website"
    forms::Menu* mnuAbout;       // "About"

    // ---- Public methods: the caption colour of 24 label buttons -------------------------------
    void BlackButtons();
    void RedButtons();
    void WhiteButtons();

    // ---- Handlers ----------------------------------------------------------------------------
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
    void mnuTerminology_Click();
    void mnuEnd_Click();
    void mnuPallete_Click();
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
    void buildDesign();
    void buildMenus();
    void connectHandlers();
    // The other user bank's number: 3 for bank II, 2 for bank III.
    int otherBank() const { return bank_ == 2 ? 3 : 2; }

    int bank_;
};

class frmContents2 final : public frmContentsBank {
    Q_OBJECT
public:
    frmContents2() : frmContentsBank(2) {}
};

class frmContents3 final : public frmContentsBank {
    Q_OBJECT
public:
    frmContents3() : frmContentsBank(3) {}
};

} // namespace contents
