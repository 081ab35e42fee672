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

#include <QStringList>

#include <optional>

namespace appearance {
class SkinBackground;
}

namespace questionsets {

// "Create A Random Test From Multiple Chapters": the user drags chapter
// titles from the chapter list into the test's list (at most 24), picks a
// level, may give a title, types the number of questions and creates the
// test, which replaces the question window's set with a random draw from
// those chapters. The window keeps its choices while it is loaded, hidden or
// not; Cancel unloads it and the next opening starts afresh.
//
// Its code: the design (frmSelect.cpp), loading and the skin
// (frmSelect_load.cpp), choosing chapters and options
// (frmSelect_choices.cpp) and creating the test (frmSelect_create.cpp).
class frmSelect : public forms::Form {
    Q_OBJECT
public:
    frmSelect();
    ~frmSelect() override;

    // ---- The chapter list -------------------------------------------------
    data::DataControl* Data1;   // Table4, the chapter list
    forms::TextBox* txtChapter; // hidden, bound to Data1's Chapter while the list is filled

    // ---- Choosing chapters ------------------------------------------------
    forms::Label* Label1;     // "Available Chapters"
    forms::ListBox* List1;    // chapters that can still be chosen
    forms::Label* Label2;     // "Chapters To Include In Random Test"
    forms::ListBox* List2;    // the chosen chapters, in the order they were dropped
    forms::Label* Label3;     // "Chapter Count"
    forms::TextBox* txtCount; // the number of chosen chapters, "0" to "24"
    forms::CommandButton* cmdClear;

    // ---- Title, level and size of the test ----------------------------------
    forms::CheckBox* chkTitle; // opens and closes the title box
    forms::TextBox* txtTitle;  // "Enter Test Title Here!" until the check box is first used
    forms::Frame* fraLevel;
    forms::OptionButton* opt1;   // "Level 1"
    forms::OptionButton* opt2;   // "Level 2"
    forms::OptionButton* optAll; // "Both Levels", the design's choice
    forms::Label* Label4;        // "Enter Number Of Questions ->"
    forms::TextBox* txtNum;      // the number of questions as typed; empty: asked for
    forms::CommandButton* cmdCreate;
    forms::CommandButton* cmdExit; // "&Cancel", also the Escape key

    appearance::SkinBackground* fxBack; // the skin's picture behind every control

    // ---- Steps ----------------------------------------------------------------
    void List1_MouseDown(int button, int shift, int x, int y);
    void List2_MouseDown(int button, int shift, int x, int y);
    void List1_DragDrop(const QString& source);
    void List2_DragDrop(const QString& source);
    void cmdClear_Click();
    void chkTitle_Click();
    void txtNum_KeyPress(int& keyAscii);
    void cmdCreate_Click();
    void cmdExit_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void designChapterLists(QWidget& canvas);
    void designTestOptions(QWidget& canvas);

    // Every title of the chapter list that is not empty, added to List1.
    void fillAvailable();
    // Moves `from`'s current entry to the end of `to` when it is the dragged
    // text; the count follows the chosen list.
    void moveCurrentEntry(forms::ListBox& from, forms::ListBox& to, const QString& source);
    QStringList chosenChapters() const;
    // The number of questions: the number box, or asked for when it is
    // empty; none when the user cancelled or the number was refused.
    std::optional<int> numberOfQuestions();
    // Puts the question window back on its whole table after a failed draw.
    void recoverFromFailedDraw(bool setTouched);
};

} // namespace questionsets
