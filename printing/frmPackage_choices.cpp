// The output choices. A test variant goes with any of the three lists; the
// test results and each flash-card side stand alone. Each step clears what
// its choice cannot go with; clearing a ticked box runs that box's step in
// turn, and the chain ends in the combinations above.

#include "printing/frmPackage.h"

#include "printing/TestPackage.h"

namespace printing {

void frmPackage::clearFlashcards()
{
    optside1->setValue(false);
    optside2->setValue(false);
    chkResults->setValue(forms::CheckBox::Unchecked);
}

void frmPackage::clearTestsAndLists()
{
    for (forms::OptionButton* variant : {opt1, opt2, opt3, opt4})
        variant->setValue(false);
    for (forms::CheckBox* list : {chk1, chk2, chk3})
        list->setValue(forms::CheckBox::Unchecked);
}

void frmPackage::opt1_Click()
{
    Command5->setEnabled(true);
    clearFlashcards();
}

void frmPackage::opt2_Click()
{
    opt1_Click();
}
void frmPackage::opt3_Click()
{
    opt1_Click();
}
void frmPackage::opt4_Click()
{
    opt1_Click();
}
void frmPackage::chk1_Click()
{
    opt1_Click();
}
void frmPackage::chk2_Click()
{
    opt1_Click();
}
void frmPackage::chk3_Click()
{
    opt1_Click();
}

void frmPackage::chkResults_Click()
{
    Command5->setEnabled(true);
    clearTestsAndLists();
    optside1->setValue(false);
    optside2->setValue(false);
}

void frmPackage::optside1_Click()
{
    Command5->setEnabled(true);
    clearTestsAndLists();
    chkResults->setValue(forms::CheckBox::Unchecked);
    optside1->setValue(true);
}

void frmPackage::optside2_Click()
{
    Command5->setEnabled(true);
    clearTestsAndLists();
    chkResults->setValue(forms::CheckBox::Unchecked);
    optside2->setValue(true);
}

PackageChoices frmPackage::choices() const
{
    PackageChoices chosen;
    if (opt1->value())
        chosen.test = TestVariant::withoutAnswers;
    else if (opt2->value())
        chosen.test = TestVariant::withAnswers;
    else if (opt3->value())
        chosen.test = TestVariant::withNotes;
    else if (opt4->value())
        chosen.test = TestVariant::withNotesAndAnswers;
    chosen.answerList = chk1->value() == forms::CheckBox::Checked;
    chosen.answerSheet = chk2->value() == forms::CheckBox::Checked;
    chosen.correctionKey = chk3->value() == forms::CheckBox::Checked;
    return chosen;
}

} // namespace printing
