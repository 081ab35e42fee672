#pragma once

#include "platform/forms/FlatButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/ReSize.h"
#include "platform/forms/TextBox.h"
#include "platform/print/PrintControl.h"

#include <QString>

#include <memory>
#include <optional>

namespace appearance {
class SkinBackground;
}

namespace printing {

class PagePreview;

// "Brisolt Print Preview": shows the program's one print document, which the
// printing windows compose into, and lets the user print it, save it as a
// saved test, open a saved test, or leave. The document lives as long as the
// window is loaded; leaving discards it.
//
// Its code: the design (frmPrint.cpp), activation and leaving
// (frmPrint_activate.cpp), Save and Open (frmPrint_files.cpp), Print
// (frmPrint_print.cpp), the button looks (frmPrint_looks.cpp).
class frmPrint : public forms::Form {
    Q_OBJECT
public:
    frmPrint();
    ~frmPrint() override;

    // The print document; products compose into it.
    print::PrintControl* VSPrinter1;
    PagePreview* Preview1; // the document's pages, drawn as they come in sight

    forms::Frame* fraPrint; // holds the four buttons
    forms::FlatButton* butSave;
    forms::FlatButton* cmdOpen;
    forms::FlatButton* cmdPrint;
    forms::FlatButton* cmdExit;
    forms::Label* FXLabel1; // names the document shown
    appearance::SkinBackground* FXImage1;
    forms::ReSize* ReSize1;
    // "Terms" while a terminology printout is shown.
    forms::TextBox* txtRoute;

    // "Yes" while the document shown is the one last saved or opened here;
    // Exit asks before leaving a document that is not.
    QString SavedMarker = QStringLiteral("No");

    // The file chosen last in the save and open dialogs, proposed next time.
    QString lastFileName;

    void butSave_Click();
    void cmdOpen_Click();
    void cmdPrint_Click();
    void cmdExit_Click();

    // Shows the composed document from its first page (after a product
    // composed it, or a saved test replaced it).
    void refreshPages();

    // The Save step: true when the document reached the file.
    bool saveDocument();
    // The Open step: true when a saved test replaced the document.
    bool openDocument();
    // Both remember the document as it now is in its file.
    void documentFiled();

protected:
    void Form_Activate() override;
    void Form_Unload(int& cancel) override;

private:
    void wireLooks();
    void leaveTerminologyPrintout();
    std::unique_ptr<print::PrintControl> document_;
    // The document as it was last saved or opened, to tell whether the one
    // shown is still in its file.
    std::optional<print::Document> filed_;
};

} // namespace printing
