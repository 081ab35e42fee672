// Save and Open: the document as a saved test in a file, and a saved test
// back into the preview. A cancelled dialog does nothing at all; a file that
// cannot be written or read is told, and the document stays as it was.

#include "printing/frmPrint.h"

#include "platform/core/RuntimeError.h"
#include "platform/forms/Dialogs.h"
#include "printing/PreviewDocument.h"

namespace printing {

namespace {

const QString speaks = QStringLiteral("Brisolt Speaks");

void tell(const QString& text)
{
    forms::msgBox(text, forms::vbOKOnly + forms::vbExclamation, speaks);
}

} // namespace

void frmPrint::butSave_Click()
{
    saveDocument();
}

void frmPrint::cmdOpen_Click()
{
    openDocument();
}

bool frmPrint::saveDocument()
{
    forms::FileRequest request;
    request.mode = forms::FileRequest::Mode::Save;
    request.filter = QStringLiteral("QFX Files (*.qfx)|*.qfx | All Files (*.*) | *.* ");
    request.fileName = lastFileName;
    request.overwritePrompt = true;
    // Open lists only "*.qfx", so a test saved under a bare name gets the
    // extension it is found by.
    request.defaultSuffix = QStringLiteral("qfx");
    const QString path = forms::fileDialog(request);
    if (path.isEmpty())
        return false;
    lastFileName = path;
    try {
        VSPrinter1->save(path);
    } catch (const platform::RuntimeError& error) {
        tell(QStringLiteral("The test was not saved.\n\n%1").arg(error.description()));
        return false;
    }
    documentFiled();
    return true;
}

bool frmPrint::openDocument()
{
    forms::FileRequest request;
    request.mode = forms::FileRequest::Mode::Open;
    request.filter = QStringLiteral("QFX Files (*.qfx)|*.qfx");
    request.fileName = lastFileName;
    const QString path = forms::fileDialog(request);
    if (path.isEmpty())
        return false;
    lastFileName = path;
    try {
        VSPrinter1->load(path);
    } catch (const platform::RuntimeError& error) {
        tell(QStringLiteral("The saved test was not opened; the preview keeps what it shows.\n\n%1")
                 .arg(error.description()));
        return false;
    }
    refreshPages();
    FXLabel1->setCaption(savedTestCaption);
    documentFiled();
    return true;
}

void frmPrint::documentFiled()
{
    filed_ = VSPrinter1->document();
    SavedMarker = QStringLiteral("Yes");
}

} // namespace printing
