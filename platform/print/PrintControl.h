#pragma once

#include "platform/print/Composer.h"

#include <QString>

class QPrinter;

namespace print {

// The one print document of the program with what the windows do to it:
// compose into it (the Composer's operations), show it or not, print it,
// save it as a saved test and open one.
class PrintControl : public Composer {
public:
    // Whether products show their pages in the preview. Only kept: the
    // preview always shows the composed pages.
    void setScreenPreview(bool on) { screenPreview_ = on; }
    bool screenPreview() const { return screenPreview_; }

    int pageCount() const { return int(document().pages.size()); }

    // Saves the document; throws the unwritable-saved-test error.
    void save(const QString& path) const;
    // Replaces the document by the saved test; a file that cannot be read
    // throws its error and leaves the document as it was.
    void load(const QString& path);

private:
    bool screenPreview_ = true;
};

// Prints the document on the printer. The copies the printer was given are
// printed here, each the whole chosen range, and the printer is told to make
// one, so no copy is printed twice over. A page range chosen in the print
// dialog is honoured. Throws the printer error when the printer cannot start
// or take a page, or when the range holds no page of the document.
void printDocument(const Document& document, QPrinter& printer);

} // namespace print
