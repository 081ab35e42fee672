#pragma once

#include "contents/ContentsWindow.h"

namespace contents {

// The table of contents of the user's banks II and III: one design, two
// windows (frmContents2 and frmContents3). Their chapter titles can be
// changed by dropping a title on a button; their Exit keeps its own caption
// colour, and their End and Contents items do nothing.
//
// Files by behaviour: the design (frmContentsBank.cpp) and the buttons to the
// other windows (frmContentsBank_commands.cpp); the rest is ContentsWindow's.
class frmContentsBank : public ContentsWindow {
    Q_OBJECT
public:
    // bank: 2 or 3.
    explicit frmContentsBank(int bank);
    ~frmContentsBank() override;

    // Data1 (Table3) holds this bank's chapter titles, cmd1 .. cmd21 bound to
    // titlea1 .. titlea21 (bank II) or tb31 .. tb321 (bank III).
    data::DataControl* Data2; // Table11: its own copy of the settings row, never stored
    // txtSkin, txtBalloon and txtVoice are bound to Data2; only txtSkin is used.

    void cmdTestBank2_Click() override; // "Main Test Bank"
    void cmdTestBank3_Click() override; // the other user bank: "Text Bank 3" / "Text Bank 2"

protected:
    void Form_Load() override;

private:
    // The other user bank's number: 3 for bank II, 2 for bank III.
    int otherBank() const { return bank() == 2 ? 3 : 2; }
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

// The table of contents of a bank: 1 the main one, 2 and 3 the user's banks
// (any other number is bank 3), loaded on first touch.
ContentsWindow& contentsWindow(int bank);

} // namespace contents
