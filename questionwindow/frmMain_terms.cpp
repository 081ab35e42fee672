// The ways from the question window into the terminology library: the
// "Terminology" button opens it to browse, the toolbar's "Terms" key opens
// it to look up the text selected in a question field.

#include "questionwindow/frmMain.h"

#include "platform/forms/App.h"
#include "platform/forms/Clipboard.h"
#include "printing/frmSearch.h"
#include "questionsets/Markers.h"

namespace questionwindow {

// The marker is written after the showing, so it governs the window's later
// activations, as the tables of contents do it.
void frmMain::cmdTerms_Click()
{
    forms::form<printing::frmSearch>().Show();
    forms::form<printing::frmSearch>().txtClip->setText(markers::browseTerms);
}

// The selection travels on the clipboard; with no question field marked the
// clipboard stays empty and the library opens without a lookup to show.
void frmMain::lookUpSelectedTerm()
{
    forms::clipboard::clear();
    const std::pair<const char*, forms::TextBox*> fields[] = {
        {"Question", txtQuestion}, {"A", txtA}, {"B", txtB}, {"C", txtC}, {"D", txtD}, {"Notes", txtNotes},
    };
    for (const auto& [word, box] : fields) {
        if (txtClip->text() == QLatin1String(word)) {
            forms::clipboard::setText(box->selText());
            break;
        }
    }
    forms::form<printing::frmSearch>().txtClip->setText(markers::lookUpClipboardTerm);
    forms::form<printing::frmSearch>().Show();
}

} // namespace questionwindow
