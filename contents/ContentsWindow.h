#pragma once

#include "platform/data/DataControl.h"
#include "platform/forms/Form.h"
#include "platform/forms/Menu.h"
#include "platform/forms/Qv3dLabel.h"
#include "platform/forms/ReSize.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/forms/WindowKit.h"

#include <QTime>

#include <functional>
#include <optional>
#include <vector>

namespace appearance {
class SkinBackground;
}

namespace contents {

class ChapterButtons;

// A window button's design caption and the caption it shows once released,
// which is not always the design one.
struct WindowButtonCaptions {
    const char* design;
    const char* released;
};

// What sets one table of contents apart from the others.
struct ContentsDesign {
    forms::WindowShape shape;
    int bank; // 1, 2 or 3: the titles' fields and the route marker
    int chapterCount;
    int chapterRows; // chapter buttons in a column
    int top;         // pixels: the first chapter button and the first window button
    WindowButtonCaptions testBank2;
    WindowButtonCaptions testBank3;
    const char* bankPanel;
    forms::PanelDesign thirdPanel;
    // Set: Exit keeps this caption colour whatever the skin says.
    std::optional<int> exitCaptionColor;
};

// The table of contents of one bank: the chapter buttons over the skin's
// background, the window buttons at the right, the status bar with its clock
// and the File, Options and Help menus. The main table of contents and the
// bank windows are built from their own ContentsDesign and add their own
// cursors, hidden boxes and menu items; closing any of them ends the program.
//
// Files by behaviour: the design (ContentsWindow.cpp), the activation step
// with the button colours (ContentsWindow_activate.cpp) and the steps every
// contents window shares (ContentsWindow_commands.cpp).
class ContentsWindow : public forms::Form {
    Q_OBJECT
public:
    ~ContentsWindow() override;

    int bank() const { return design_.bank; }

    // ---- Cursor and hidden boxes --------------------------------------------------------
    // Each window makes and binds them in its own design.
    data::DataControl* Data1; // Table3: this bank's chapter titles
    forms::TextBox* txtK;     // caption of the chapter button last pressed, or "Snore"
    forms::TextBox* txtSkin;  // the skin this window paints with
    forms::TextBox* txtBalloon;
    forms::TextBox* txtVoice;

    // ---- Pictures and buttons ------------------------------------------------------------
    appearance::SkinBackground* fxBack; // the skin's background picture
    // Chapter button cmd1 ..., bound to this bank's title fields.
    forms::Qv3dLabel* cmd(int number) const;
    ChapterButtons* chapters;
    forms::Qv3dLabel* cmdAll;       // "The Entire Test"
    forms::Qv3dLabel* cmdExit;      // "&Exit"
    forms::Qv3dLabel* cmdTestBank2; // the main bank from a user bank, bank 2 from the main one
    forms::Qv3dLabel* cmdTestBank3; // the other bank

    // The label buttons in the order the looks are applied: the chapter
    // buttons, cmdTestBank2, cmdTestBank3, cmdAll, cmdExit.
    std::vector<forms::Qv3dLabel*> labelButtons() const;
    // Those whose caption colour follows the skin.
    std::vector<forms::Qv3dLabel*> coloredButtons() const;

    forms::StatusBar* Status; // "Table Of Contents", bank, the window's own panel, "Time"
    forms::Timer* Timer1;     // the clock
    forms::ReSize* ReSize1;   // grows the buttons and pictures with the window

    // Where the clock reads the time: the system's clock unless another is set.
    using TimeSource = std::function<QTime()>;
    void setTimeSource(TimeSource source) { timeSource_ = std::move(source); }

    // ---- Menus -----------------------------------------------------------------------------
    forms::Menu* mnuFile;
    forms::Menu* mnuTerminology; // "Terminology"
    forms::Menu* mnuEnd;         // "&End"
    forms::Menu* mnuOptions;
    forms::Menu* mnuPallete; // "Show Chapter Palette"
    forms::Menu* mnuSkins;   // "Change Interface Skin"
    forms::Menu* mnuHelp;
    forms::Menu* mnuContents; // "Contents"
    forms::Menu* mnuWeb;      // "Connect To Brisolt Website"
    forms::Menu* mnuAbout;    // "About"

    // ---- Public methods: the caption colour of the coloured buttons ---------------------------
    void BlackButtons();
    void RedButtons();
    void WhiteButtons();

    // ---- Handlers ----------------------------------------------------------------------------
    void cmdAll_Click();
    void cmdExit_Click();
    virtual void cmdTestBank2_Click() = 0;
    virtual void cmdTestBank3_Click() = 0;
    void cmdAll_MouseDown();
    void cmdAll_MouseUp();
    void cmdExit_MouseDown();
    void cmdExit_MouseUp();
    void cmdTestBank2_MouseDown();
    void cmdTestBank2_MouseUp();
    void cmdTestBank3_MouseDown();
    void cmdTestBank3_MouseUp();
    void mnuTerminology_Click();
    virtual void mnuEnd_Click();
    void mnuPallete_Click();
    void mnuSkins_Click();
    virtual void mnuContents_Click();
    void mnuWeb_Click();
    void mnuAbout_Click();
    void Timer1_Timer();

protected:
    // Names, titles and sizes the window; the rest is built by the steps below.
    explicit ContentsWindow(const ContentsDesign& design);

    // After the window's cursors and hidden boxes: the canvas with the skin's
    // background over it. Pictures of the window's own go on it next.
    QWidget* buildCanvas();
    // The chapter buttons, the window buttons, the status bar and the clock;
    // last, the resizing of everything on the canvas.
    void buildButtons(QWidget& canvas);
    // The menus of every contents window, typed for window W; W's own items
    // stand at the head of File and in the middle of Options.
    template <class W>
    static void buildContentsMenus(W& window, std::vector<forms::MenuItem<W>> fileHead,
                                   std::vector<forms::MenuItem<W>> optionsMiddle);

    // Each activation re-reads the titles, runs the window's own steps,
    // paints the skin and names this window in the question window's route
    // marker.
    void Form_Activate() override;
    // The window's own activation steps, run before the skin is painted.
    virtual void activateOwnParts() {}
    void Form_Unload(int& cancel) override;

private:
    ContentsDesign design_;
    TimeSource timeSource_;
};

template <class W>
void ContentsWindow::buildContentsMenus(W& window, std::vector<forms::MenuItem<W>> fileHead,
                                        std::vector<forms::MenuItem<W>> optionsMiddle)
{
    std::vector<forms::MenuItem<W>> file = std::move(fileHead);
    file.insert(file.end(), {
                                {"mnuTerminology", "Terminology", &W::mnuTerminology, &W::mnuTerminology_Click},
                                {"-"},
                                {"mnuEnd", "&End", &W::mnuEnd, &W::mnuEnd_Click},
                            });
    std::vector<forms::MenuItem<W>> options = {
        {"mnuPallete", "Show Chapter Palette", &W::mnuPallete, &W::mnuPallete_Click},
        {"-"},
    };
    options.insert(options.end(), optionsMiddle.begin(), optionsMiddle.end());
    options.push_back({"mnuSkins", "Change Interface Skin", &W::mnuSkins, &W::mnuSkins_Click});

    const forms::MenuTitle<W> menus[] = {
        {&W::mnuFile, "mnuFile", "&File", std::move(file)},
        {&W::mnuOptions, "mnuOptions", "&Options", std::move(options)},
        {&W::mnuHelp,
         "mnuHelp",
         "&Help",
         {
             {"mnuContents", "Contents", &W::mnuContents, &W::mnuContents_Click},
             {"-"},
             {"mnuWeb", "Connect To Brisolt Website", &W::mnuWeb, &W::mnuWeb_Click},
             {"-"},
             {"mnuAbout", "About", &W::mnuAbout, &W::mnuAbout_Click},
         }},
    };
    forms::buildMenus(window, menus);
}

} // namespace contents
