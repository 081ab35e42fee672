#pragma once

#include "platform/data/DataControl.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/TextBox.h"

#include <vector>

namespace appearance {
class SkinBackground;
}

namespace printing {

// "User Information": the list of users and the current user. One user is
// shown at a time in eleven boxes bound to his row; the list offers every
// last name, and picking one narrows the window to the users of that name
// until Reset. OK hands the shown user's last name to the question window,
// which stores it with each recorded result; the printed test results read
// the boxes.
//
// Its code: the design (frmID.cpp), loading and the skin (frmID_load.cpp),
// moving, picking and OK (frmID_moves.cpp), and adding, typing, saving and
// deleting (frmID_edits.cpp).
class frmID : public forms::Form {
    Q_OBJECT
public:
    frmID();
    ~frmID() override;

    // ---- Cursors ------------------------------------------------------------
    data::DataControl* Data1; // the users the boxes show: all of them, or those of the picked name
    data::DataControl* Data2; // every user, for the list

    // ---- Boxes, bound to the fields of Data1's row --------------------------
    forms::TextBox* txtName; // first
    forms::TextBox* txtLast; // last
    forms::TextBox* txtCompany;
    forms::TextBox* txtAddress;
    forms::TextBox* txtCity;
    forms::TextBox* txtState;
    forms::TextBox* txtZip;
    forms::TextBox* txtPhone;
    forms::TextBox* txtFax;
    forms::TextBox* txtEmail;
    forms::TextBox* txtComments;
    forms::TextBox* txtLook; // hidden: "New" from New to Save, "Old" after a save

    // ---- Controls -------------------------------------------------------------
    forms::ControlArray<forms::Label> Label1; // the boxes' captions, 0 to 10
    forms::ListBox* List1;                    // every last name; a click picks one
    forms::CommandButton* cmdFirst;           // "First"
    forms::CommandButton* cmdBack;            // "<Back<"
    forms::CommandButton* cmdNext;            // ">Next>"
    forms::CommandButton* cmdLast;            // "Last"
    forms::CommandButton* cmdNew;             // "&New"
    forms::CommandButton* cmdSave;            // "&Save"
    forms::CommandButton* cmdDelete;          // "Delete"
    forms::CommandButton* cmdReset;           // "Reset": every user again
    forms::CommandButton* cmdOK;              // "&OK"
    appearance::SkinBackground* FXImage1;     // the skin's picture behind every control

    // ---- Public methods -------------------------------------------------------
    void LockStuff();   // only Save offered: a changed row waits to be saved
    void UnLockStuff(); // every button but Save offered

    // ---- Steps ------------------------------------------------------------------
    void cmdFirst_Click();
    void cmdBack_Click();
    void cmdNext_Click();
    void cmdLast_Click();
    void cmdNew_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdReset_Click();
    void cmdOK_Click();
    void List1_Click();
    // A row about to be stored because the cursor leaves it (a pick, Reset,
    // a move, closing): one without a last name is dropped, never stored.
    void Data1_Validate(int action, bool& save);
    // The ten boxes but the comments: Enter moves on as Tab does, and any key
    // locks the window until Save.
    void userBox_KeyPress(int& keyAscii);

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    // Whether the boxes show a user: the cursor stands on a row.
    bool showsUser() const;
    // The eleven bound boxes in design order.
    std::vector<forms::TextBox*> boxes() const;
    void enableBoxes(bool enabled);
    // The buttons that need a shown user, off while there is none.
    void offerNavigation(bool offered);
    // Data1 on `source` afresh, standing on the row at `index` of the set
    // (the last when it holds fewer rows); the boxes and buttons follow.
    void requery(const QString& source, int index);
    // The boxes and buttons as the cursor now stands: a shown user can be
    // changed and moved from; with none, only New, Reset and OK are offered
    // and there is nothing to type into.
    void followCursor();
    // The list read again from every user.
    void fillList();
};

} // namespace printing
