#pragma once

#include "platform/data/DataControl.h"
#include "platform/forms/Form.h"
#include "platform/forms/TextBox.h"

namespace contents {

// The table of contents of the editable banks II and III: one design, two
// windows (frmContents2 and frmContents3).
class frmContentsBank : public forms::Form {
    Q_OBJECT
public:
    // bank: 2 or 3.
    explicit frmContentsBank(int bank);

    int bank() const { return bank_; }

    data::DataControl* Data1; // Table3: this bank's chapter titles
    data::DataControl* Data2; // Table11: its own copy of the settings row

    forms::TextBox* txtK;
    forms::TextBox* txtSkin;    // the skin this window paints with
    forms::TextBox* txtBalloon; // bound, never used
    forms::TextBox* txtVoice;   // bound, never used

protected:
    void Form_Load() override;

private:
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
