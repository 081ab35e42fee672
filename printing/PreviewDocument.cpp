#include "printing/PreviewDocument.h"

#include "platform/forms/App.h"
#include "printing/frmPrint.h"
#include "settings/Markers.h"

namespace printing {

print::PrintControl& printDocument()
{
    return *forms::form<frmPrint>().VSPrinter1;
}

void showDocument(const QString& caption, Return back)
{
    frmPrint& preview = forms::form<frmPrint>();
    preview.txtRoute->setText(back == Return::toTerminology ? QString(markers::terminologyRoute) : QString());
    preview.FXLabel1->setCaption(caption);
    // A document just composed is in no file yet, even when the preview was
    // the active window all along and so is not activated by the showing.
    preview.SavedMarker = QStringLiteral("No");
    preview.refreshPages();
    preview.Show();
}

void openSavedTest()
{
    frmPrint& preview = forms::form<frmPrint>();
    if (preview.openDocument())
        preview.Show();
}

} // namespace printing
