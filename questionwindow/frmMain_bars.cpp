// The question window's bars: the status panels, the toolbar keys and the menus.

#include "questionwindow/frmMain.h"

#include "appearance/art/ToolbarPictures.h"
#include "platform/forms/WindowKit.h"
#include "settings/Markers.h"

namespace questionwindow {

void frmMain::designBars()
{
    static const forms::PanelDesign panels[] = {
        {markers::chapterPanel.data(), "", "Chapter Title", "Chapter or last action", 4},
        {"", "Brisolt Software", "", "Maker", 2},
        {markers::watchPanel.data(), "", "Stop Watch", "Stop watch", 1},
        {markers::timePanel.data(), "", "Current System Time", "Time", 1},
        {markers::statePanel.data(), "", "Use Answer Button", "Answer mode", 2},
    };
    Status = forms::buildStatusBar(*this, "Status", panels);
    connect(Status, &forms::StatusBar::panelClick, this, &frmMain::Status_PanelClick);

    // The format keys are never offered; the edit lock switches them on and
    // off. The questions start locked: "Lock" shows the state, "Unlock" waits.
    using forms::ToolButton;
    constexpr unsigned format = forms::Hidden | forms::Disabled;
    static const forms::ToolKeyDesign keys[] = {
        {"New", "New Test - Clears Score Box", 1},
        {"Open", "Open Saved Test To Print", 2},
        {"Save", "Build Test Package", 3},
        {""},
        {"Print", "Print Current Test Without Answers", 4},
        {""},
        {"Cut", "Cut", 5},
        {"Copy", "Copy", 6},
        {"Paste", "Paste", 7},
        {""},
        {"Find", "Search Database For Keywords", 8},
        {"Camera", "Add Pictures Or Video To Questions", 9},
        {"Spell Check", "Enable Automatic Spell Checker", 10},
        {"Help", "Help", 15},
        {""},
        {"Notes", "Shows Notes", 11},
        {"Terms", "Terminology Lookup", 12},
        {""},
        {"Unlock", "Lock Questions", 13, ToolButton::Default, forms::Hidden},
        {"Lock", "Unlock Questions", 14},
        {""},
        {"Fonts", "Thesaurus", 16},
        {"", "", 0, ToolButton::Default, forms::Hidden},
        {"Bold", "Bold", 17, ToolButton::Default, format},
        {"Italic", "Italic", 18, ToolButton::Default, format},
        {"Underline", "Underline", 19, ToolButton::Default, format},
        {"", "", 0, ToolButton::Default, forms::Hidden},
        {"Align Left", "Align Left", 20, ToolButton::ButtonGroup, format},
        {"Center", "Center", 21, ToolButton::ButtonGroup, format},
        {"Align Right", "Align Right", 22, ToolButton::ButtonGroup, format},
        {""},
    };
    tbToolBar = forms::buildToolbar(*this, "tbToolBar", "Tool Bar", art::toolbarPictures(24), QSize(24, 24), keys);
    connect(tbToolBar, &forms::Toolbar::buttonClick, this, &frmMain::tbToolBar_ButtonClick);
}

void frmMain::designMenus()
{
    using W = frmMain;
    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
    // clang-format off
    static const forms::MenuTitle<W> menus[] = {
        {&W::mnuFile, "mnuFile", "&File",
         {
             {"mnuUser", "Enter User Information", &W::mnuUser, &W::mnuUser_Click},
             {"-"},
             {"mnuBuild", "Build Test Package", &W::mnuBuild, &W::mnuBuild_Click, ctrl(Qt::Key_B)},
             {"-"},
             {"mnuEnd", "End", &W::mnuEnd, &W::mnuEnd_Click},
         }},
        {&W::mnuEdit, "mnuEdit", "&Edit",
         {
             {"mnuCut", "Cut", &W::mnuCut, &W::mnuCut_Click, ctrl(Qt::Key_X)},
             {"mnuCopy", "Copy", &W::mnuCopy, &W::mnuCopy_Click, ctrl(Qt::Key_C)},
             {"mnuPaste", "Paste", &W::mnuPaste, &W::mnuPaste_Click},
             {"-"},
             {"mnuRenumber", "Re-Number Database Number", &W::mnuRenumber, &W::mnuRenumber_Click, {}, forms::Disabled},
             {"mnuReNumChap", "Re-Number Chapter Numbers", &W::mnuReNumChap, &W::mnuReNumChap_Click},
             {"-"},
             {"mnuRelabel", "Re-Label Chapter Title", &W::mnuRelabel, &W::mnuRelabel_Click},
         }},
        // Every view item starts ticked: the window shows all its parts.
        {&W::mnuView, "mnuView", "&View",
         {
             {"mnuChap", "Chapter Name And Question #", &W::mnuChap, &W::mnuChap_Click, {}, forms::Checked},
             {"mnuData", "Database Number", &W::mnuData, &W::mnuData_Click, {}, forms::Checked},
             {"mnuUser1", "User", &W::mnuUser1, &W::mnuUser1_Click, {}, forms::Checked},
             {"mnuLevel", "Level", &W::mnuLevel, &W::mnuLevel_Click, {}, forms::Checked},
             {"mnuScore", "Score", &W::mnuScore, &W::mnuScore_Click, {}, forms::Checked},
             {"mnuProgress", "Progress Bar", &W::mnuProgress, &W::mnuProgress_Click, {}, forms::Checked},
             {"mnuTool", "Tool Bar", &W::mnuTool, &W::mnuTool_Click, {}, forms::Checked},
             {"mnuStatus", "Status Bar", &W::mnuStatus, &W::mnuStatus_Click, {}, forms::Checked},
             {"-"},
             {"mnuAll", "All", &W::mnuAll, &W::mnuAll_Click, ctrl(Qt::Key_A), forms::Checked},
         }},
        {&W::mnuOptions, "mnuOptions", "&Options",
         {
             {"mnuKwed", "Search Questions For Keywords", &W::mnuKwed, &W::mnuKwed_Click},
             {"-"},
             {"mnuChapterNumSearch", "Search For A Specific Chapter Question Number", &W::mnuChapterNumSearch,
              &W::mnuChapterNumSearch_Click},
             {"mnuDatabaseNum", "Search For A Specific Database Question Number", &W::mnuDatabaseNum,
              &W::mnuDatabaseNum_Click},
             {"mnuResetChapter", "Reset Chapter", &W::mnuResetChapter, &W::mnuResetChapter_Click},
             {"-"},
             {"mnuSaveThisSession", "Save This Session", &W::mnuSaveThisSession, &W::mnuSaveThisSession_Click},
             {"mnuLastSession", "Load Last Saved Session", &W::mnuLastSession, &W::mnuLastSession_Click},
             {"-"},
             {"mnuRecord", "Clear Snoop Memory On Exit", &W::mnuRecord, &W::mnuRecord_Click},
             {"-"},
             {"mnuUse", "Use Answer Button", &W::mnuUse, &W::mnuUse_Click},
             {"mnuBypass", "Bypass Answer Button", &W::mnuBypass, &W::mnuBypass_Click},
             {"mnuSpeed", "Turbo Answer", &W::mnuSpeed, &W::mnuSpeed_Click},
             {"mnuTell", "Don't Tell Me How I'm Doing", &W::mnuTell, &W::mnuTell_Click},
             {"mnuReadNuvia", "Nuvaa Reads Test And Gives You Time To Answer", &W::mnuReadNuvia, &W::mnuReadNuvia_Click},
             {"mnuFlash", "Flash Card Mode", &W::mnuFlash, &W::mnuFlash_Click},
             {"-"},
             forms::menuElement(&W::mnuStart, 0, "mnuStart", "Start Stop Watch", &W::mnuStart_Click),
             forms::menuElement(&W::mnuStart, 1, "mnuStart", "Stop Stop Watch", &W::mnuStart_Click),
             {"-"},
             {"mnuSkin", "Change Skin", &W::mnuSkin, &W::mnuSkin_Click},
         }},
        {&W::mnuPictures, "mnuPictures", "&Images",
         {
             {"mnuAddPicture", "Add Picture To Question", &W::mnuAddPicture, &W::mnuAddPic_Click, ctrl(Qt::Key_Z)},
             {"mnuAddVideo", "Add Video To Question", &W::mnuAddVideo, &W::mnuVideo_Click, ctrl(Qt::Key_M)},
             {"-"},
             forms::menuElement(&W::mnuImagesShow, 0, "mnuImagesShow",
                                "Automatically Show Images In Presentation Mode", &W::mnuImagesShow_Click),
             forms::menuElement(&W::mnuImagesShow, 1, "mnuImagesShow", "Don't Show Images In Presentation Mode",
                                &W::mnuImagesShow_Click),
         }},
        {&W::mnuQuestions, "mnuQuestions", "&Questions",
         {
             {"mnuLock", "Lock Questions", &W::mnuLock, &W::mnuLock_Click, ctrl(Qt::Key_L)},
             {"mnuUnlock", "Unlock Questions", &W::mnuUnlock, &W::mnuUnlock_Click, ctrl(Qt::Key_U)},
             {"-"},
             {"mnuFF1", "Display Level 1 Questions Only", &W::mnuFF1, &W::mnuFF1_Click},
             {"mnuFF2", "Display Level 2 Questions Only", &W::mnuFF2, &W::mnuFF2_Click},
             {"mnuReset", "Reset To Display Both Levels", &W::mnuReset, &W::mnuReset_Click},
             {"-"},
             {"mnuAddNotes", "View Notes Palette", &W::mnuAddNotes, &W::mnuAddNotes_Click, ctrl(Qt::Key_N)},
             {"-"},
             {"mnuX", "Display Incorrectly Answered Questions - By Chapter", &W::mnuX, &W::mnuX_Click},
             {"mnuX2", "Display All Incorrectly Answered Questions", &W::mnuX2, &W::mnuX2_Click},
             {"mnuClear", "Clear Memory", &W::mnuClear, &W::mnuClear_Click},
             {"-"},
             {"mnuElephant1", "Drill Questions Saved In Elephant Mode", &W::mnuElephant1, &W::mnuElephant1_Click},
             {"mnuResetDatabase", "Reset Database", &W::mnuResetDatabase, &W::mnuResetDatabase_Click},
             {"mnuMemory", "Clear Elephant Mode Memory", &W::mnuMemory, &W::mnuMemory_Click},
             // The history view is not offered: no step records a result.
             {"-"},
             {"mnuCurrent", "Create Random Test From Current Chapter", &W::mnuCurrent, &W::mnuCurrent_Click},
             {"mnuMultiple", "Create Random Test - Multiple Chapters", &W::mnuMultiple, &W::mnuMultiple_Click},
             {"mnuEntire", "Create Random Test From Entire Test Bank", &W::mnuEntire, &W::mnuEntire_Click},
             {"-"},
             {"mnuOrder", "Order Questions", &W::mnuOrder, &W::mnuOrder_Click, ctrl(Qt::Key_O)},
             {"mnuRand", "Randomize Questions", &W::mnuRand, &W::mnuRand_Click, ctrl(Qt::Key_R)},
         }},
        {&W::mnuNuvia, "mnuNuvia", "&Nuvia",
         {
             {"mnuHideNuvia", "Hide Nuvia", &W::mnuHideNuvia, &W::mnuHideNuvia_Click},
             {"mnuUseNuvia", "Use Nuvia", &W::mnuUseNuvia, &W::mnuUseNuvia_Click},
             {"-"},
             {"mnuShowBalloon", "Show Balloon", &W::mnuShowBalloon, &W::mnuShowBalloon_Click},
             {"mnuHideBalloon", "Hide Balloon", &W::mnuHideBalloon, &W::mnuHideBalloon_Click},
             {"-"},
             {"mnuNuviaTells", "Nuvia Tells You If You Were Correct If Visible", &W::mnuNuviaTells, &W::mnuNuviaTells_Click, {},
              forms::Checked},
             {"mnuNuviaAct", "Nuvia Act", &W::mnuNuviaAct, nullptr, {}, forms::Hidden},
             {"mnuBot", "Nuvia Clipboard Reader", &W::mnuBot, &W::mnuBot_Click},
         }},
        {&W::mnuHelp, "mnuHelp", "&Help",
         {
             {"mnuContents", "Contents", &W::mnuContents, &W::mnuContents_Click},
             {"-"},
             {"mnuWebsite", "Connect To Brisolt Website", &W::mnuWebsite, &W::mnuWebsite_Click},
             {"-"},
             {"mnuAbout", "About", &W::mnuAbout, &W::mnuAbout_Click},
         }},
    };
    // clang-format on
    forms::buildMenus(*this, menus);
}

} // namespace questionwindow
