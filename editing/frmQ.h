#pragma once

#include "platform/core/RuntimeError.h"
#include "platform/data/DataControl.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/TextBox.h"

#include <optional>

namespace appearance {
class SkinBackground;
}

namespace editing {

// "Chapter Palette": the small window that keeps the chapter list, the
// titles that may be put on the chapter buttons of the user's banks. The
// user adds titles, drags a title from the list onto a chapter button, opens
// a chapter with a double click, and removes a chapter (its captions, its
// questions and its list rows) or only a caption. It floats above the other
// windows of the program.
//
// Its code: the design (frmQ.cpp), loading, the skin and the list
// (frmQ_load.cpp), choosing, adding and opening titles (frmQ_titles.cpp) and
// the two removals (frmQ_removal.cpp).
class frmQ : public forms::Form {
    Q_OBJECT
public:
    frmQ();
    ~frmQ() override;

    // ---- Cursors ------------------------------------------------------------
    data::DataControl* Data1; // Table4, the chapter list
    data::DataControl* Data2; // table1: the questions of a chapter being removed

    // ---- Hidden boxes -----------------------------------------------------------
    forms::TextBox* txtKo2;    // bound to Data1's Chapter: carries a title into the list
    forms::TextBox* txtLook;   // "New" while a title is being added, "Old" once stored
    forms::TextBox* txtLocate; // bank of the table of contents activated last: "1", "2" or "3"

    // ---- Controls ---------------------------------------------------------------
    forms::CommandButton* cmdNew;         // "&Add New"
    forms::CommandButton* cmdSave;        // "&Save"
    forms::CommandButton* cmdDelete;      // "&Delete", also the Escape key: removes the chapter
    forms::CommandButton* cmdExit;        // "&Cancel": hides the palette
    forms::TextBox* txtChapter;           // the title chosen in the list, or the one being typed
    forms::ListBox* lstA;                 // the chapter list; a press drags the chosen title
    forms::PictureBox* Waste;             // drop: clear only the caption
    forms::PictureBox* Image1;            // drop: remove the chapter
    appearance::SkinBackground* FXImage1; // the skin's picture behind every control

    // ---- Steps ----------------------------------------------------------------------
    void lstA_Click();
    void lstA_MouseDown(int button, int shift, int x, int y);
    void lstA_DblClick();
    void txtChapter_KeyPress(int& keyAscii);
    void cmdNew_Click();
    void cmdSave_Click();
    void cmdExit_Click();
    void cmdDelete_Click();
    void Image1_DragDrop(const QString& source);
    void Waste_DragDrop(const QString& source);

    // Chapter removal once confirmed: the failure that rolled it back, or none.
    std::optional<platform::RuntimeError> removeChapter(const QString& title);

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    // The list read again from Data1, which ends past its last row.
    void fillList();
    // The title box as it is while a title is typed, or as it is otherwise.
    void showTyping(bool typing);
    // Gives up a new row that "&Add New" started and "&Save" never stored.
    void dropUnsavedTitle();
    // Whether `title` stands in the list exactly as written.
    bool isListed(const QString& title) const;
};

} // namespace editing
