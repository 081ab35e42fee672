// Loading, which lists every term of the library, and activation, which
// paints the skin and, unless the window was opened just to browse, looks up
// the word handed over on the clipboard.

#include "printing/frmSearch.h"

#include "appearance/CurrentSkin.h"
#include "appearance/SkinTable.h"
#include "platform/data/Connection.h"
#include "platform/forms/App.h"
#include "platform/forms/Clipboard.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "questiondb/QuestionDatabase.h"
#include "settings/Markers.h"

namespace printing {

void frmSearch::showToBrowse()
{
    Show();
    txtClip->setText(markers::browseTerms);
}

data::Connection& frmSearch::bank()
{
    if (!bank_)
        bank_ = data::Connection::open(questiondb::databasePath(forms::App::current().path()));
    return *bank_;
}

// A library that cannot be read leaves the list empty.
void frmSearch::Form_Load()
{
    forms::leaveOnError([&] {
        const QStringList terms = libraryTerms(bank());
        for (const QString& term : terms)
            List1->addItem(term);
    });
}

// Only activations inside the program get here: coming back from another
// program looks nothing up again.
void frmSearch::Form_Activate()
{
    if (const appearance::Skin* skin = appearance::paintCurrentSkin(*FXImage1)) {
        if (skin->labelColor == appearance::whiteColor)
            WhiteType();
        else
            BlackType();
    }
    // A library that cannot be opened ends the activation quietly.
    forms::leaveOnError([&] {
        bank();
        if (txtClip->text() != markers::browseTerms)
            lookUpClipboard();
        else
            cmdGet->setCaption(QStringLiteral("Get Meaning"));
    });
}

// A word the library does not hold is said so; the window stays open to look
// for another, and the button keeps its caption.
void frmSearch::lookUpClipboard()
{
    Text1->setText(forms::clipboard::text());
    const QString word = Text1->text();
    lblWord->setCaption(word);
    if (!showLookup(word) && !word.isEmpty()) {
        forms::msgBox(word + QStringLiteral(" does not appear in your Terminology Library."),
                      forms::vbOKOnly + forms::vbInformation, QStringLiteral("Brisolt Speaks"));
        return;
    }
    cmdGet->setCaption(QStringLiteral("Get Meaning"));
}

void frmSearch::BlackType()
{
    for (forms::Label* label : {lblWord, lblDef, lblChapter})
        label->setForeColor(0);
}

void frmSearch::WhiteType()
{
    for (forms::Label* label : {lblWord, lblDef, lblChapter})
        label->setForeColor(appearance::whiteColor);
}

} // namespace printing
