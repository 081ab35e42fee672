#include "platform/print/PrintControl.h"

#include "platform/core/Errors.h"
#include "platform/print/PageRenderer.h"
#include "platform/print/SavedTestFile.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace print {

void PrintControl::save(const QString& path) const
{
    saveSavedTest(path, document());
}

void PrintControl::load(const QString& path)
{
    replaceDocument(loadSavedTest(path));
}

void printDocument(const Document& document, QPrinter& printer)
{
    const int pages = int(document.pages.size());
    int first = 1;
    int last = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = qMin(printer.toPage() > 0 ? printer.toPage() : pages, pages);
    }
    if (first > last)
        throw platform::errors::printerError(QStringLiteral("the chosen pages are not in the document"));
    const int copies = qMax(1, printer.copyCount());
    printer.setCopyCount(1);

    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QSizeF(document.paper.width / 1440.0, document.paper.height / 1440.0),
                                  QPageSize::Inch, QString(), QPageSize::FuzzyMatch));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&printer))
        throw platform::errors::printerError(QStringLiteral("the printer cannot start printing"));
    bool firstPage = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (int index = first; index <= last; ++index) {
            if (!firstPage && !printer.newPage()) {
                painter.end();
                throw platform::errors::printerError(QStringLiteral("the printer cannot start a new page"));
            }
            firstPage = false;
            paintPage(painter, document.pages[std::size_t(index - 1)], document.paper,
                      printer.paperRect(QPrinter::DevicePixel));
        }
    }
    if (!painter.end())
        throw platform::errors::printerError(QStringLiteral("the printer cannot finish printing"));
}

} // namespace print
