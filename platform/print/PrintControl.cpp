#include "platform/print/PrintControl.h"

#include "platform/core/Errors.h"
#include "platform/core/Units.h"
#include "platform/core/WholeFile.h"
#include "platform/print/PageRenderer.h"
#include "platform/print/SavedTestFile.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace print {

void PrintControl::save(const QString& path) const
{
    saveSavedTest(path, document());
}

void PrintControl::load(const QString& path)
{
    replaceDocument(loadSavedTest(path));
}

namespace {

// Whether a PDF file was written to its end: it closes with its end mark, and
// the table of its parts starts where the file says. The writer reports no
// refused write, but a file it could not finish fails both.
bool pdfIsComplete(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 32)
        return false;
    const qint64 tailSize = qMin<qint64>(file.size(), 256);
    if (!file.seek(file.size() - tailSize))
        return false;
    const QByteArray tail = file.read(tailSize).trimmed();
    if (!tail.endsWith("%%EOF"))
        return false;
    const qsizetype at = tail.lastIndexOf("startxref");
    if (at < 0)
        return false;
    bool number = false;
    const qint64 table = tail.mid(at + 9, tail.size() - at - 9 - 5).trimmed().toLongLong(&number);
    return number && table > 0 && file.seek(table) && file.read(4) == "xref";
}

// Why a PDF was not finished, in words the user can act on.
QString unfinishedPdf(const QString& target, const QString& written)
{
    const QStorageInfo disk(QFileInfo(written).absolutePath());
    const QString why = disk.isValid() && disk.bytesAvailable() <= 0 ? QString::fromLocal8Bit(std::strerror(ENOSPC))
                                                                     : QStringLiteral("the file ends early");
    return QStringLiteral("the PDF file '%1' could not be written (%2); a file of that name was left as it was")
        .arg(target, why);
}

// A new file gets the permissions the user's other files get; one written
// over keeps its own.
void takePermissions(const QString& target, const QString& written)
{
    if (QFileInfo::exists(target)) {
        QFile::setPermissions(written, QFile::permissions(target));
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(written).constData(), 0666 & ~mask);
}

void printPages(const Document& document, QPrinter& printer)
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
    printer.setPageSize(QPageSize(QSizeF(document.paper.width / double(platform::twipsPerInch),
                                         document.paper.height / double(platform::twipsPerInch)),
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

} // namespace

void printDocument(const Document& document, QPrinter& printer)
{
    const QString target = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (target.isEmpty()) {
        printPages(document, printer);
        return;
    }
    // The pages go to a new file beside the chosen one, which takes its place
    // only once it is whole: a full disk leaves an earlier file of that name
    // as it was, and is told.
    QTemporaryFile written(target + QStringLiteral(".XXXXXX"));
    if (!written.open())
        throw platform::errors::printerError(
            QStringLiteral("the PDF file '%1' cannot be written: %2").arg(target, written.errorString()));
    written.close();
    takePermissions(target, written.fileName());
    printer.setOutputFileName(written.fileName());
    struct NameBack {
        QPrinter& printer;
        const QString& target;
        ~NameBack() { printer.setOutputFileName(target); }
    } nameBack{printer, target};
    printPages(document, printer);
    if (!pdfIsComplete(written.fileName()))
        throw platform::errors::printerError(unfinishedPdf(target, written.fileName()));
    const QString failure = platform::moveIntoPlace(written.fileName(), target);
    if (!failure.isEmpty())
        throw platform::errors::printerError(
            QStringLiteral("the PDF file '%1' cannot be written: %2").arg(target, failure));
    written.setAutoRemove(false);
}

} // namespace print
