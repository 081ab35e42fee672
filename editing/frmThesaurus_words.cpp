// The word of " BrisoltThesaurus": it comes from the clipboard, "Check
// word:" looks it up, and a synonym picked in the thesaurus takes its place.

#include "editing/frmThesaurus.h"

#include "platform/forms/App.h"
#include "platform/forms/Clipboard.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/spell/Dictionary.h"
#include "platform/thesaurus/ThesaurusControl.h"

namespace editing {

void frmThesaurus::Form_Load()
{
    forms::leaveOnError([&] { takeClipboardWord(); });
}

void frmThesaurus::takeClipboardWord()
{
    TextBox->setText(forms::clipboard::text());
    VSThesaurus1->setText(QString());
    // Selected whole, so typing another word replaces it.
    TextBox->setSelStart(0);
    TextBox->setSelLength(int(TextBox->text().size()));
}

void frmThesaurus::cmdCheckword_Click()
{
    forms::leaveOnError([&] { VSThesaurus1->setWord(TextBox->text()); });
}

void frmThesaurus::VSThesaurus1_WordChosen()
{
    forms::leaveOnError([&] { TextBox->setText(VSThesaurus1->chosenWord()); });
}

// The thesaurus lists words in their dictionary form; the spelling
// dictionary knows which form a plural or a past form comes from.
QStringList frmThesaurus::stemsOf(const QString& word)
{
    if (!stemDictionary_) {
        stemDictionary_ = std::make_unique<spell::Dictionary>();
        stemDictionary_->open(forms::App::current().file(QStringLiteral("\\VSSP_AE.DCT")));
    }
    return stemDictionary_->stems(word);
}

} // namespace editing
