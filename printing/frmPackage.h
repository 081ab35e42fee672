#pragma once

#include "platform/data/DataControl.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/TextBox.h"

class XP_ProgressBar;

namespace hosting {
class ControlHost;
}

namespace appearance {
class SkinBackground;
}

namespace printing {

struct PackageChoices;
struct PrintSettings;

// "Build A Test Package": the user chooses which products to build from the
// question window's set, sets the fonts, colours and title every printed
// product reads, and picks a page border. The seven settings boxes are bound
// to the print settings row and every change reaches the row at once, so
// ending the program never loses one. The output choices and the border live
// only while the window is loaded.
//
// Its code: the design (frmPackage.cpp), the title options
// (frmPackage_title.cpp), loading, activation and the settings
// (frmPackage_settings.cpp), the output choices (frmPackage_choices.cpp) and
// the build (frmPackage_build.cpp).
class frmPackage : public forms::Form {
    Q_OBJECT
public:
    frmPackage();
    ~frmPackage() override;

    // ---- The print settings row ---------------------------------------------
    data::DataControl* Data1;       // Table6
    forms::TextBox* txtFont;        // body font name
    forms::TextBox* txtSize;        // body font size, the text of a number
    forms::TextBox* txtColor;       // hidden: body text colour, decimal
    forms::TextBox* txtHeaderfont;  // title font name
    forms::TextBox* txtHeaderSize;  // title font size
    forms::TextBox* txtColor2;      // hidden: title colour, decimal
    forms::TextBox* txtHeaderTitle; // the title; "Enter A Test Title Here!" asks for the default titles
    forms::Label* colorbox;         // swatch of txtColor; a click changes it
    forms::Label* colorbox2;        // swatch of txtColor2

    // ---- Output choices -----------------------------------------------------
    forms::Frame* fraTest;
    forms::OptionButton* opt1; // "Print\Save Test Without Answers"
    forms::OptionButton* opt2; // "Print\Save Test With Answers"
    forms::OptionButton* opt3; // "Print\Save Test With Notes But No Answers"
    forms::OptionButton* opt4; // "Print\Save Test With Notes And With Answers"
    forms::CheckBox* chk1;     // answers only
    forms::CheckBox* chk2;     // answer sheet
    forms::CheckBox* chk3;     // answer sheet correction key
    forms::CheckBox* chkResults;
    forms::Frame* fraCards; // "Create Flashcards"
    forms::OptionButton* optside1;
    forms::OptionButton* optside2;

    // ---- Settings and title -------------------------------------------------
    forms::CommandButton* cmdFont;
    forms::CommandButton* cmdHeaderFont;
    forms::CommandButton* Command6;       // "Change Font Color"
    forms::CommandButton* cmdHeaderColor; // "Change Title Text Color"
    forms::ListBox* List1;                // page border
    forms::Frame* fraTitle;               // "Test Title"
    // Option buttons of the control library, one group; empty places
    // when the library is missing.
    hosting::ControlHost* optDefault; // "Use Default Title"
    hosting::ControlHost* optCustom;  // "Custom Title"
    forms::Label* Label1;
    forms::Label* Label2;
    forms::Label* Label3;
    forms::Label* Label4;
    forms::Label* Label5;
    forms::Label* Label6;
    forms::Label* Label7;
    forms::Label* Label8;

    // ---- Building -----------------------------------------------------------
    forms::CommandButton* Command5;    // "&Build Test Package ", disabled until a choice is made
    forms::CommandButton* Command1;    // "Quick Report"
    forms::CommandButton* cmdPicture2; // "Print Picture Album"
    forms::CommandButton* cmdCancel;   // "E&xit"
    XP_ProgressBar* ProgressBar1;      // follows the set while a build walks it

    forms::Label* FXLabel1; // "Build A Printed Test Package"
    appearance::SkinBackground* FXImage1;

    // ---- Public methods -----------------------------------------------------
    void BlackType();
    void WhiteType();
    // The quick report with its page references.
    void Pages();

    // ---- Steps --------------------------------------------------------------
    void opt1_Click();
    void opt2_Click();
    void opt3_Click();
    void opt4_Click();
    void chk1_Click();
    void chk2_Click();
    void chk3_Click();
    void chkResults_Click();
    void optside1_Click();
    void optside2_Click();
    void cmdFont_Click();
    void cmdHeaderFont_Click();
    void Command6_Click();
    void cmdHeaderColor_Click();
    void colorbox_Click();
    void colorbox2_Click();
    void List1_Click();
    void optDefault_Click();
    void optCustom_Click();
    void Command5_Click();
    void Command1_Click();
    void cmdPicture2_Click();
    void cmdCancel_Click();

    // What the build composes, as the choices stand.
    PackageChoices choices() const;
    // The seven settings as the boxes hold them.
    PrintSettings settings() const;

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void designChoices(QWidget& canvas);
    void designSettings(QWidget& canvas);
    void designTitleOptions(QWidget& canvas);
    void designBuilding(QWidget& canvas);

    // Stores the boxes into the settings row; called on every change.
    void storeSettings();
    void showSwatch(forms::Label& swatch, const forms::TextBox& colour);
    // Clears the named choices; each clearing of a ticked box runs its step.
    void clearFlashcards();
    void clearTestsAndLists();
    bool storing_ = false;
};

// Moves the package window's bar while the window is shown; a window not
// loaded is not loaded for it.
void showPackageProgress(int percent);

} // namespace printing
