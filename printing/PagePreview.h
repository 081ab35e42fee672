#pragma once

#include "platform/print/DisplayList.h"

#include <QScrollArea>

namespace printing {

class PageStack;

// The pages of a print document one below the other, each as white paper
// the width of the view. A page is drawn only while it is in sight, so a
// document of thousands of pages shows its first page as fast as a short
// one.
class PagePreview : public QScrollArea {
    Q_OBJECT
public:
    explicit PagePreview(QWidget* parent = nullptr);

    // Shows the document, from its first page; it must outlive the preview
    // or be replaced before it goes. Null shows nothing.
    void setDocument(const print::Document* document);

    // How many times a page was drawn since the document was set.
    int pagesDrawn() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    PageStack* stack_;
};

} // namespace printing
