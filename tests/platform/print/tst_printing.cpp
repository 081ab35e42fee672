#include "PageText.h"
#include "Poppler.h"
#include "SampleDocuments.h"
#include "support/ErrorOf.h"
#include "support/FullDisk.h"

#include "platform/core/Errors.h"
#include "platform/print/PageRenderer.h"
#include "platform/print/PrintControl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

using printtest::pdfPages;
using printtest::pdfText;

print::Document testOf(int questions)
{
    print::Composer c;
    c.startDocument();
    printtest::composeTest(c, questions);
    c.endDocument();
    return c.document();
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pdfHoldsEveryQuestionInOrder();
    void copiesAndRanges_data();
    void copiesAndRanges();
    void rangeOutsideTheDocumentIsRefused();
    void refusedWriteKeepsTheEarlierPdf_data();
    void refusedWriteKeepsTheEarlierPdf();
    void rendererDrawsTheDisplayList();

private:
    QString pdfPath(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

void PrintingTest::initTestCase()
{
    for (const char* tool : {"pdfinfo", "pdftotext"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QFAIL("poppler-utils (pdfinfo, pdftotext) are needed to read the printed PDFs");
    }
}

// Printed to PDF, a 20-question test holds every question and every answer
// in the order composed, on the pages composed.
void PrintingTest::pdfHoldsEveryQuestionInOrder()
{
    const print::Document document = testOf(20);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath(QStringLiteral("test20.pdf")));
    print::printDocument(document, printer);

    QCOMPARE(pdfPages(printer.outputFileName()), int(document.pages.size()));
    QVERIFY(document.pages.size() >= 3);
    // The words of the PDF, blanks and line ends squeezed, in reading order.
    const QString text = pdfText(printer.outputFileName()).simplified();
    qsizetype at = 0;
    for (int number = 1; number <= 20; ++number) {
        const testsupport::TestQuestion q = testsupport::testQuestion(number);
        const QString start = QString::number(number) + QStringLiteral(") Question ") + QString::number(number) + u':';
        at = text.indexOf(start, at);
        QVERIFY2(at >= 0, qPrintable(start));
        for (const QString& answer : q.answers) {
            at = text.indexOf(answer.section(u' ', 0, 2), at);
            QVERIFY2(at >= 0, qPrintable(answer));
        }
    }
    QVERIFY(text.startsWith(QStringLiteral("All Questions")));
}

// Copies are made once each, whole; a chosen range prints only its pages.
// Copies are made once each, whole; a chosen range prints only its pages.
// Each question is looked for in the PDF: it is there once per copy when
// its page is in the range, else not at all.
void PrintingTest::copiesAndRanges_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("pages");
    // The test of 20 questions has 4 pages.
    QTest::newRow("one copy, all pages") << 1 << 0 << 0 << 4;
    QTest::newRow("three copies") << 3 << 0 << 0 << 12;
    QTest::newRow("pages 2 to 3") << 1 << 2 << 3 << 2;
    QTest::newRow("two copies of page 4") << 2 << 4 << 4 << 2;
    QTest::newRow("range past the end is cut") << 1 << 3 << 9 << 2;
}

void PrintingTest::copiesAndRanges()
{
    QFETCH(int, copies);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, pages);
    const print::Document document = testOf(20);
    QCOMPARE(document.pages.size(), std::size_t(4));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath(QStringLiteral("copies.pdf")));
    printer.setCopyCount(copies);
    if (from > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(from, to);
    }
    print::printDocument(document, printer);
    QCOMPARE(printer.copyCount(), 1);
    QCOMPARE(pdfPages(printer.outputFileName()), pages);

    const QString text = pdfText(printer.outputFileName()).simplified();
    for (std::size_t index = 0; index < document.pages.size(); ++index) {
        const int pageNumber = int(index) + 1;
        const bool chosen = from == 0 || (pageNumber >= from && pageNumber <= to);
        for (const QString& line : printtest::bodyLines(document.pages[index], print::PageLayout{})) {
            if (!line.contains(QStringLiteral(") Question ")))
                continue;
            const QString opening = line.section(u':', 0, 0) + u':';
            QCOMPARE(int(text.count(opening)), chosen ? copies : 0);
        }
    }
}

void PrintingTest::rangeOutsideTheDocumentIsRefused()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath(QStringLiteral("outside.pdf")));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(7, 9);
    QCOMPARE(testsupport::errorOf([&] { print::printDocument(testOf(20), printer); }),
             platform::errors::printerError.number);
}

// A PDF the disk refuses is a printer error that names the file and the
// reason; an earlier PDF of that name stays whole, and nothing else is left
// in its folder. Once there is room, the same print replaces it.
void PrintingTest::refusedWriteKeepsTheEarlierPdf_data()
{
    testsupport::refusedWriteRows(QStringLiteral("the file ends early"));
}

void PrintingTest::refusedWriteKeepsTheEarlierPdf()
{
    QFETCH(bool, fullFilesystem);
    QFETCH(QString, reason);
    testsupport::RefusingDisk disk(fullFilesystem, 1024);
    if (!disk.ready())
        QSKIP(qPrintable(disk.whyNot()));
    const QString path = disk.filePath(QStringLiteral("earlier.pdf"));
    const auto folderHolds = [&] {
        QStringList names = QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden);
        names.removeAll(QStringLiteral(".filler"));
        return names;
    };
    const auto stored = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    print::printDocument(testOf(1), printer);
    const QByteArray before = stored();
    QCOMPARE(pdfPages(path), 1);

    const print::Document document = testOf(20);
    QVERIFY(disk.refuse(before.size() / 2));
    try {
        print::printDocument(document, printer);
        disk.allow();
        QFAIL("a PDF the disk refused counted as printed");
    } catch (const platform::RuntimeError& failure) {
        QVERIFY(disk.allow());
        QCOMPARE(failure.number(), platform::errors::printerError.number);
        QVERIFY2(failure.description().contains(path) && failure.description().contains(reason),
                 qPrintable(failure.description()));
    }
    QCOMPARE(stored(), before);
    QCOMPARE(printer.outputFileName(), path);
    QCOMPARE(folderHolds(), QStringList{QFileInfo(path).fileName()});

    print::printDocument(document, printer);
    QCOMPARE(pdfPages(path), int(document.pages.size()));
    QCOMPARE(folderHolds(), QStringList{QFileInfo(path).fileName()});
}

// The renderer draws what the display list holds where it holds it: dark
// text inside the runs' boxes, the frame's rules, a picture's colours, and
// nothing elsewhere.
void PrintingTest::rendererDrawsTheDisplayList()
{
    print::Page page;
    print::TextRun run;
    run.text = QStringLiteral("MMMM");
    run.style = print::TextStyle{QStringLiteral("DejaVu Sans"), 36, true, 0};
    run.x = 2000;
    run.top = 2000;
    run.width = 3000;
    run.height = 900;
    run.baseline = 700;
    page.runs.push_back(run);
    page.rules.push_back(print::Rule{1000, 10000, 11000, 10000, 60});
    QImage green(8, 8, QImage::Format_RGB32);
    green.fill(QColor(0, 255, 0));
    page.pictures.push_back(print::PictureItem{green, 6000, 12000, 1440, 1440});

    // 1 pixel for 12 twips.
    const print::PaperSize paper;
    QImage image(paper.width / 12, paper.height / 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    print::paintPage(image, page, paper);

    auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 100; };
    int inText = 0;
    for (int y = 2000 / 12; y < 2900 / 12; ++y)
        for (int x = 2000 / 12; x < 5000 / 12; ++x)
            inText += dark(x, y);
    QVERIFY2(inText > 500, qPrintable(QString::number(inText)));
    QVERIFY(dark(500, 10000 / 12));
    QVERIFY(!dark(500, 10000 / 12 + 10));
    QCOMPARE(QColor(image.pixel((6000 + 720) / 12, (12000 + 720) / 12)), QColor(0, 255, 0));
    int elsewhere = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool nearText = x >= 1900 / 12 && x < 5100 / 12 && y >= 1900 / 12 && y < 3000 / 12;
            const bool nearRule = y >= 9900 / 12 && y < 10100 / 12;
            const bool nearPicture = x >= 5900 / 12 && x < 7540 / 12 && y >= 11900 / 12 && y < 13540 / 12;
            if (!nearText && !nearRule && !nearPicture && image.pixel(x, y) != qRgb(255, 255, 255))
                ++elsewhere;
        }
    QCOMPARE(elsewhere, 0);
}

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
