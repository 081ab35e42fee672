// The question window's edit fields: the question, its answers, the notes,
// the correct letter, the level and the two numbers. They remember which
// edit box had the focus last, hold the window while a record is being
// typed into (unlocked), start a box's text with a capital, answer from the
// answer texts and the question-number box, and flag typing errors. Cut,
// Copy and Paste work on whichever box has the focus, through the system
// clipboard.

#include "questionwindow/frmMain.h"

#include "editing/EditKeys.h"
#include "platform/forms/Clipboard.h"
#include "platform/forms/KeyAscii.h"
#include "platform/forms/WindowKit.h"
#include "platform/spell/SpellChecker.h"

namespace questionwindow {

namespace {

constexpr int white = 0xFFFFFF;
constexpr int red = 255;
constexpr int black = 0;

// The six edit boxes and what their events do.
struct EditBox {
    forms::TextBox* frmMain::*box;
    const char* letter;  // txtFocus
    const char* word;    // txtClip
    bool typingColour;   // typing colours the flag box
    bool leavingEdits;   // leaving the box counts as a change
    int answer;          // the answer a click on it picks while locked; -1 none
};

constexpr EditBox editBoxes[] = {
    {&frmMain::txtQuestion, "Q", "Question", true, false, -1},
    {&frmMain::txtA, "A", "A", true, false, 0},
    {&frmMain::txtB, "B", "B", false, true, 1},
    {&frmMain::txtC, "C", "C", false, false, 2},
    {&frmMain::txtD, "D", "D", true, false, 3},
    {&frmMain::txtNotes, "N", "Notes", false, false, -1},
};

} // namespace

void frmMain::designEditFields()
{
    using Hidden = forms::HiddenBoxDesign<frmMain>;
    static const Hidden boxes[] = {
        {&frmMain::txtFocus, "txtFocus"},
        {&frmMain::txtClip, "txtClip"},
        {&frmMain::txtSpell, "txtSpell", "txtSpell"},
    };
    forms::buildHiddenBoxes(*this, boxes);

    for (const EditBox& edit : editBoxes) {
        forms::TextBox* box = this->*edit.box;
        connect(box, &forms::TextBox::gotFocus, this, [this, box, edit] {
            editBox_GotFocus(*box, QString::fromLatin1(edit.letter), QString::fromLatin1(edit.word));
        });
        connect(box, &forms::TextBox::keyPress, this,
                [this, box, edit](int& keyAscii) { editBox_KeyPress(*box, keyAscii, edit.typingColour); });
        connect(box, &forms::TextBox::lostFocus, this, [this, edit] {
            if (edit.leavingEdits && questionsUnlocked())
                LockStuff();
            editBox_LostFocus();
        });
        if (edit.answer >= 0)
            connect(box, &forms::TextBox::click, this, [this, edit] { answerBox_Click(edit.answer); });
    }
    connect(txtAnswer, &forms::TextBox::keyPress, this, &frmMain::txtAnswer_KeyPress);
    connect(txtAnswer, &forms::TextBox::lostFocus, this, &frmMain::txtAnswer_LostFocus);
    connect(txtLevel, &forms::TextBox::keyPress, this, &frmMain::txtLevel_KeyPress);
    connect(txtNum, &forms::TextBox::keyPress, this, &frmMain::txtNum_KeyPress);
    connect(txtCall, &forms::TextBox::dblClick, this, &frmMain::txtCall_DblClick);
    designSpelling();
}

forms::TextBox* frmMain::focusedEditField() const
{
    for (const EditBox& edit : editBoxes) {
        if (txtFocus->text() == QLatin1String(edit.letter))
            return this->*edit.box;
    }
    return nullptr;
}

forms::TextBox* frmMain::editFieldNamed(const QString& word) const
{
    for (const EditBox& edit : editBoxes) {
        if (word == QLatin1String(edit.word))
            return this->*edit.box;
    }
    return nullptr;
}

forms::TextBox* frmMain::copyMarkedSelection()
{
    forms::clipboard::clear();
    forms::TextBox* field = editFieldNamed(txtClip->text());
    if (field)
        forms::clipboard::setText(field->selText());
    return field;
}

void frmMain::editBox_GotFocus(forms::TextBox& box, const QString& letter, const QString& word)
{
    txtFocus->setText(letter);
    txtClip->setText(word);
    // The checker follows the focus: it checks what is typed into this box.
    VSSpell1->attach(box.editor());
}

void frmMain::editBox_KeyPress(forms::TextBox& box, int& keyAscii, bool typingColour)
{
    keyAscii = editing::firstLetterKey(box.text(), keyAscii);
    // Locked, the box refuses the key by itself.
    if (questionsUnlocked())
        LockStuff();
    if (typingColour && !txtSpell->text().isEmpty()) {
        txtSpell->setForeColor(white);
        txtSpell->setBackColor(red);
    }
}

void frmMain::editBox_LostFocus()
{
    txtSpell->setText(QString());
    txtSpell->setForeColor(black);
    txtSpell->setBackColor(white);
}

// Locked, the answer's text is as good as its option; unlocked, a click only
// places the caret for typing.
void frmMain::answerBox_Click(int index)
{
    if (!questionsUnlocked())
        lblA_Click(index);
}

void frmMain::txtAnswer_KeyPress(int& keyAscii)
{
    keyAscii = editing::upperCaseKey(keyAscii);
    if (questionsUnlocked())
        LockStuff();
}

// The correct letter is compared exactly: no blanks around it.
void frmMain::txtAnswer_LostFocus()
{
    QString letter = txtAnswer->text();
    while (letter.startsWith(QLatin1Char(' ')))
        letter.remove(0, 1);
    while (letter.endsWith(QLatin1Char(' ')))
        letter.chop(1);
    txtAnswer->setText(letter);
}

void frmMain::txtLevel_KeyPress(int& keyAscii)
{
    if (questionsUnlocked())
        LockStuff();
    if (keyAscii == editing::enterKey)
        forms::sendTabKey();
}

// The question-number box also answers: A to D pick that answer and check it.
void frmMain::txtNum_KeyPress(int& keyAscii)
{
    if (questionsUnlocked())
        LockStuff();
    if (keyAscii == editing::enterKey)
        forms::sendTabKey();
    keyAscii = editing::upperCaseKey(keyAscii);
    if (editing::answerIndexOfKey(keyAscii) < 0)
        return;
    const QString shown = txtReturn->text();
    // Picks and answers once, as a letter on a move button does.
    moveButton_KeyPress(keyAscii);
    // A mode that moves on after the answer shows another question, whose
    // number must not take the letter.
    if (txtReturn->text() != shown)
        keyAscii = 0;
}

// ---- Cut, Copy and Paste on the box that has the focus ----------------------
// A locked box gives its text but takes no change.

void frmMain::mnuCopy_Click()
{
    forms::TextBox* box = forms::focusedTextBox();
    if (!box)
        return;
    forms::clipboard::clear();
    forms::clipboard::setText(box->selText());
}

void frmMain::mnuCut_Click()
{
    forms::TextBox* box = forms::focusedTextBox();
    if (!box)
        return;
    mnuCopy_Click();
    if (!box->locked())
        box->setSelText(QString());
}

void frmMain::mnuPaste_Click()
{
    forms::TextBox* box = forms::focusedTextBox();
    if (box && !box->locked())
        box->setSelText(forms::clipboard::text());
}

} // namespace questionwindow
