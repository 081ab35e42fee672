// The question window's language aids: spelling while typing, the
// toolbar's spell check of the whole set, and the way into the thesaurus.

#include "questionwindow/frmMain.h"

#include "editing/BoxText.h"
#include "editing/frmThesaurus.h"
#include "platform/forms/App.h"
#include "platform/forms/Clipboard.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/Hourglass.h"
#include "platform/spell/SpellChecker.h"

namespace questionwindow {

using forms::bestEffort;

// ==== Spelling while typing ========================================================================================
// Spelling while typing in the question window: the checker reports a word
// of the focused edit box that is not in its dictionaries. One suggestion
// replaces the word at once; two or more are offered in the "Suggestions"
// popup at the word, the first five of them; none leaves the word alone.

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

// ==== Spell checking the set =======================================================================================
// The toolbar's "Spell Check": the spelling dialog works through the
// question, the notes and the four answers of every record of the set. The
// corrections are stored into each record as the set moves on.

void frmMain::spellCheckSet()
{
    // The count is this run's own: a second run must not report the
    // corrections of the first again.
    bestEffort({
        [&] { VSSpell1->setDialogEnabled(true); },
        [&] { VSSpell1->resetErrorsHandled(); },
        [&] { VSSpell1->clearUnsavedWords(); },
        [&] { Data1->recordset().moveFirst(); },
        [&] { mnuAddNotes_Click(); },
    });

    // An empty set, or none at all, has nothing to check.
    if (Data1->hasRecords()) {
        data::Recordset& records = Data1->recordset();
        forms::TextBox* const fields[] = {txtQuestion, txtNotes, txtA, txtB, txtC, txtD};
        while (!records.eof()) {
            bestEffort({
                [&] { forms::setHourglass(); },
                [&] { VSSpell1->setUserDictionary(forms::App::current().file(QStringLiteral("\\lexo.dct"))); },
            });
            for (forms::TextBox* field : fields) {
                bestEffort({[&] {
                    editing::BoxText text(*field);
                    VSSpell1->checkText(text);
                }});
            }
            bool moved = false;
            bestEffort({[&] {
                records.moveNext();
                moved = true;
            }});
            if (!moved)
                break; // a record that cannot be left ends the walk
        }
    }

    bestEffort({
        [&] { Data1->recordset().moveFirst(); },
        [&] {
            if (txtNotes->text().isEmpty())
                fraNotes->setVisible(false);
        },
    });
    forms::restorePointer();
    if (!VSSpell1->unsavedWords().isEmpty())
        forms::msgBox(QStringLiteral("These words are known until the program ends, but could not be kept in the "
                                     "word list:\n")
                          + VSSpell1->unsavedWords().join(QLatin1Char('\n')),
                      forms::vbOKOnly + forms::vbExclamation);
    if (VSSpell1->errorsHandled() > 0)
        forms::msgBox(QStringLiteral("Done spell checking. ") + QString::number(VSSpell1->errorsHandled())
                          + QStringLiteral(" typing errors handled."),
                      forms::vbOKOnly);
}

// ==== The thesaurus ================================================================================================
// The question window's way into the thesaurus: the toolbar's "Fonts" key
// ("Thesaurus") hands the selection of the edit field that last had the
// focus to " BrisoltThesaurus", through the clipboard, and names the field
// the chosen word goes back into.

void frmMain::showThesaurus()
{
    forms::leaveOnError([&] {
        if (copyMarkedSelection()) {
            const bool open = forms::App::current().isLoaded<editing::frmThesaurus>();
            // The first touch loads the window, which takes the word then.
            editing::frmThesaurus& thesaurus = forms::form<editing::frmThesaurus>();
            thesaurus.txtClip->setText(txtClip->text());
            // An open window takes the new word too: "Replace" now writes
            // into the new field, and a synonym of the old word does not
            // belong there.
            if (open)
                thesaurus.takeClipboardWord();
        }
        forms::form<editing::frmThesaurus>().Show();
    });
}

} // namespace questionwindow
