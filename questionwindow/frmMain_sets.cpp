// The set menus: each hands its work to the question sets and keeps to the
// window what the window does around a set: the order and random items that
// take turns, the multi-chapter window, and leaving when a set is empty.

#include "questionwindow/frmMain.h"

#include "platform/forms/App.h"
#include "questionsets/SetMenus.h"
#include "questionsets/frmSelect.h"
#include "settings/Markers.h"
#include "widgets/XP_ProgressBar.h"

namespace questionwindow {

// ---- The current chapter or the whole bank again --------------------------------

void frmMain::mnuOrder_Click()
{
    questionsets::showInOrder(questionSet());
    mnuRand->setEnabled(true);
    mnuOrder->setEnabled(false);
}

void frmMain::mnuRand_Click()
{
    questionsets::showRandomized(questionSet());
    mnuRand->setEnabled(false);
    mnuOrder->setEnabled(true);
}

void frmMain::mnuCurrent_Click()
{
    questionsets::drawChapterTest(questionSet());
}

// The test is built in a window of its own, which keeps its choices between
// tests.
void frmMain::mnuMultiple_Click()
{
    forms::form<questionsets::frmSelect>().Show();
}

void frmMain::mnuEntire_Click()
{
    questionsets::drawBankTest(questionSet());
}

void frmMain::mnuReset_Click()
{
    questionsets::resetLevels(questionSet());
}

void frmMain::mnuResetChapter_Click()
{
    questionsets::resetChapter(questionSet());
}

void frmMain::mnuResetDatabase_Click()
{
    questionsets::resetToBank(questionSet());
}

// ---- One level: without its questions the user goes back to the contents ------------

void frmMain::mnuFF1_Click()
{
    if (!questionsets::showLevel(questionSet(), markers::levelOne))
        cmdExit_Click();
}

void frmMain::mnuFF2_Click()
{
    if (!questionsets::showLevel(questionSet(), markers::levelTwo))
        cmdExit_Click();
}

// ---- Reviews: nothing to review closes the window ---------------------------------

void frmMain::mnuElephant1_Click()
{
    if (!questionsets::showDrillSet(questionSet()))
        Unload();
}

void frmMain::mnuX_Click()
{
    if (!questionsets::showChapterWrong(questionSet()))
        Unload();
}

void frmMain::mnuX2_Click()
{
    if (!questionsets::showAllWrong(questionSet()))
        Unload();
}

// ---- Searches ------------------------------------------------------------------------

void frmMain::mnuChapterNumSearch_Click()
{
    questionsets::searchChapterNumber(questionSet());
}

void frmMain::mnuDatabaseNum_Click()
{
    questionsets::searchDatabaseNumber(questionSet());
}

// The window's progress bar tells how far a first search indexed the bank; a
// search the user gives up after a miss closes the window.
void frmMain::mnuKwed_Click()
{
    if (!questionsets::searchKeywords(questionSet(), [this](int percent) { ProgressBar1->setValue(percent); }))
        Unload();
}

} // namespace questionwindow
