// Spelling while typing in the question window: the checker reports a word
// of the focused edit box that is not in its dictionaries. One suggestion
// replaces the word at once; two or more are offered in the "Suggestions"
// popup at the word, the first five of them; none leaves the word alone.

#include "questionwindow/frmMain.h"

#include "editing/BoxText.h"
#include "platform/spell/SpellChecker.h"

namespace questionwindow {

namespace {

constexpr int offeredSuggestions = 5;

} // namespace

void frmMain::designSpelling()
{
    VSSpell1 = new spell::SpellChecker(this);
    VSSpell1->setObjectName(QStringLiteral("VSSpell1"));
    connect(VSSpell1, &spell::SpellChecker::wordFlagged, this, &frmMain::VSSpell1_WordFlagged);
    connect(VSSpell1, &spell::SpellChecker::dialogButton, this, &frmMain::VSSpell1_DialogButton);

    mpopup = new forms::Menu(static_cast<QWidget*>(this), QStringLiteral("Suggestions"));
    mpopup->setObjectName(QStringLiteral("mpopup"));
    static const char* const designCaptions[] = {"(Accept Word)", "a", "b", "c", "d", "e"};
    for (int index = 0; index <= offeredSuggestions; ++index) {
        auto* item = msuggest.add(index, new forms::Menu(mpopup, QString::fromLatin1(designCaptions[index])));
        item->setObjectName(QStringLiteral("msuggest%1").arg(index));
    }
    msuggest.on(&forms::Menu::click, [this](int index) { msuggest_Click(index); });
}

void frmMain::VSSpell1_WordFlagged(int start, int length, bool& handled)
{
    // Looking the word up again makes the suggestions the checker's own.
    VSSpell1->setWord(VSSpell1->word());
    if (VSSpell1->suggestionCount() == 0)
        return;
    forms::TextBox* field = focusedEditField();
    if (!field)
        return;
    if (VSSpell1->suggestionCount() == 1) {
        editing::BoxText(*field).replace(start, length, VSSpell1->suggestion(0));
        handled = true;
        return;
    }

    // Every showing starts from hidden items, so none shows a stale spelling.
    for (int j = 1; j <= offeredSuggestions; ++j)
        msuggest[j]->setVisible(false);
    msuggest[0]->setCaption(VSSpell1->word() + QStringLiteral(" (not in dictionary)"));
    const int count = VSSpell1->suggestionCount();
    for (int j = 1; j <= count && j <= offeredSuggestions; ++j) {
        msuggest[j]->setCaption(VSSpell1->suggestion(j - 1));
        msuggest[j]->setVisible(true);
    }
    VSSpell1->setTag(QString());
    // Opens under the word itself, where the eye already is.
    mpopup->popup(VSSpell1->wordPosition());
    if (VSSpell1->tag().isEmpty())
        return;
    editing::BoxText(*field).replace(start, length, VSSpell1->tag());
    handled = true;
}

// The word itself (item 0) keeps the word as typed, as closing the popup does.
void frmMain::msuggest_Click(int index)
{
    if (index != 0)
        VSSpell1->setTag(msuggest[index]->caption());
}

// "Cancel" in the spelling dialog ends the toolbar's spelling run.
void frmMain::VSSpell1_DialogButton(int& code)
{
    if (code == spell::SpellChecker::Cancel)
        VSSpell1->setDialogEnabled(false);
}

} // namespace questionwindow
