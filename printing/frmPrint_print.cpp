// Print: the printer dialog, then the chosen copies of the chosen pages,
// each copy printed once. A cancelled dialog prints nothing and says
// nothing; a printer that fails is told.

#include "printing/frmPrint.h"

#include "platform/core/RuntimeError.h"
#include "platform/forms/Dialogs.h"

#include <QPrinter>

namespace printing {

void frmPrint::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!forms::printDialog(printer, VSPrinter1->pageCount()))
        return;
    // Products that show their pages turn this on again.
    VSPrinter1->setScreenPreview(false);
    try {
        print::printDocument(VSPrinter1->document(), printer);
    } catch (const platform::RuntimeError& error) {
        forms::msgBox(QStringLiteral("The test was not printed.\n\n%1").arg(error.description()),
                      forms::vbOKOnly + forms::vbExclamation, QStringLiteral("Brisolt Speaks"));
    }
}

} // namespace printing
