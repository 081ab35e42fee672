// Looking a term up: the list's click and Get look up the selected term,
// typing selects the first term that begins with what was typed, and Enter
// looks the typed term up when the list holds it as typed.

#include "printing/frmSearch.h"

#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"

namespace printing {

namespace {

constexpr int enterKey = 13;

} // namespace

bool frmSearch::showLookup(const QString& term)
{
    lblWord->setCaption(term);
    const std::optional<TermRow> row = lookUpTerm(bank(), term);
    txtMeaning->setText(row ? row->definition : QString());
    txtChapter->setText(row ? row->chapter : QString());
    lblDef->setCaption(txtMeaning->text());
    lblChapter->setCaption(txtChapter->text());
    return row.has_value();
}

// With no term selected the empty term is looked up, which clears the labels.
void frmSearch::cmdGet_Click()
{
    const QString term = List1->text();
    forms::leaveOnError([&] { showLookup(term); });
}

void frmSearch::List1_Click()
{
    cmdGet_Click();
}

// The term found is looked up even when it was selected already, so the
// labels always show what the typing found.
void frmSearch::Text1_Change()
{
    const QString typed = Text1->text();
    const int found = firstEntryWithPrefix(
        List1->listCount(), [&](int index) { return List1->list(index); }, typed);
    if (found < 0)
        return;
    if (List1->listIndex() == found)
        cmdGet_Click();
    else
        List1->setListIndex(found);
}

// A word typed into the empty box begins in lower case. Enter looks the term
// up only when it is typed exactly as the list spells it: the selected term,
// or its twin in other letter case, which typing alone never selects.
void frmSearch::Text1_KeyPress(int& keyAscii)
{
    if (Text1->text().isEmpty())
        keyAscii = QChar(char16_t(keyAscii)).toLower().unicode();
    if (keyAscii != enterKey)
        return;
    keyAscii = 0;
    const QString typed = Text1->text();
    if (List1->text() == typed) {
        cmdGet_Click();
        return;
    }
    const int twin = exactEntry(typed);
    if (twin >= 0) {
        List1->setListIndex(twin);
        return;
    }
    forms::msgBox(QStringLiteral("Sorry The word you typed in is not in your database.  Please try another word."),
                  forms::vbOKOnly + forms::vbQuestion, QStringLiteral("Brisolts Speaks"));
    Text1->setFocus();
}

int frmSearch::exactEntry(const QString& typed) const
{
    const int first = firstEntryWithPrefix(
        List1->listCount(), [&](int index) { return List1->list(index); }, typed);
    if (first < 0)
        return -1;
    for (int index = first; index < List1->listCount(); ++index) {
        const QString entry = List1->list(index);
        if (entry == typed)
            return index;
        if (QString::compare(entry, typed, Qt::CaseInsensitive) != 0)
            break;
    }
    return -1;
}

void frmSearch::cmdCancel_Click()
{
    Unload();
}

} // namespace printing
