#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"

#include "platform/print/Poppler.h"
#include "platform/print/PageText.h"

#include "platform/forms/App.h"
#include "platform/forms/FlatButton.h"
#include "platform/forms/Label.h"
#include "platform/print/PrintControl.h"
#include "printing/PreviewDocument.h"
#include "printing/TestPackage.h"
#include "printing/frmPrint.h"
#include "questionwindow/frmMain.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using forms::form;
using printing::frmPrint;
using questionwindow::frmMain;
using testsupport::executeSql;
using testsupport::queryValue;

namespace {

const QString hose = QStringLiteral("Fire Hose");
const QString streams = QStringLiteral("Fire Streams");

// The n-th row (from 0) of a chapter in stored order, as an SQL condition.
QString nthOf(const QString& chapter, int n)
{
    return QStringLiteral("ID = (SELECT ID FROM table1 WHERE Chapter = '%1' ORDER BY rowid LIMIT 1 OFFSET %2)")
        .arg(chapter)
        .arg(n);
}

bool previewShown()
{
    return forms::App::current().isLoaded<frmPrint>() && form<frmPrint>().isVisible();
}

QStringList previewLines()
{
    const print::PrintControl& document = printing::printDocument();
    return printtest::documentLines(document.document(), document.layout());
}

} // namespace

// The question window's printed reports of its set, from the window's own
// records to the preview.
class tst_Reports : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString db() const { return fixture->databasePath(); }
    QString fieldOf(const QString& field, const QString& condition) const
    {
        return queryValue(db(), QStringLiteral("SELECT %1 FROM table1 WHERE %2").arg(field, condition)).toString();
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void quickReportAsksAboutReferences_data();
    void quickReportAsksAboutReferences();
    void quickReportPrintsToPdf();
    void albumPrintsEveryQuestionWithItsPicture();
    void emptySetIsToldAndNothingShown_data();
    void emptySetIsToldAndNothingShown();
};

// Yes adds the notes to each entry, No leaves them out, Cancel prints
// nothing and leaves the set where it stood.
void tst_Reports::quickReportAsksAboutReferences_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("printed");
    QTest::addColumn<bool>("withNotes");

    QTest::newRow("Yes") << int(forms::vbYes) << true << true;
    QTest::newRow("No") << int(forms::vbNo) << true << false;
    QTest::newRow("Cancel") << int(forms::vbCancel) << false << false;
}

void tst_Reports::quickReportAsksAboutReferences()
{
    QFETCH(int, answer);
    QFETCH(bool, printed);
    QFETCH(bool, withNotes);

    // The second and fifth answered wrongly, the third rightly, the fourth
    // cleared to a blank.
    executeSql(db(), QStringLiteral("UPDATE table1 SET Snoop = CASE WHEN Answer = 'A' THEN 'B' ELSE 'A' END WHERE ")
                         + nthOf(hose, 1) + QStringLiteral(" OR ") + nthOf(hose, 4));
    executeSql(db(), QStringLiteral("UPDATE table1 SET Snoop = Answer WHERE ") + nthOf(hose, 2));
    executeSql(db(), QStringLiteral("UPDATE table1 SET Snoop = ' ' WHERE ") + nthOf(hose, 3));

    frmMain& w = fixture->openChapter(hose);
    testsupport::QuestionWindowFixture::moveTo(w, 6);
    const QString shownBefore = w.txtNum->text();
    w.txtCorrect->setText(QStringLiteral("1"));
    w.txtIncorrect->setText(QStringLiteral("2"));

    fixture->boxes.answer(answer);
    w.printQuickReport();
    QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
    const forms::ShownBox& box = fixture->boxes.shown().front();
    QCOMPARE(box.text, QStringLiteral("Include Page References?"));
    QCOMPARE(box.title, QStringLiteral("Brisolt Reports"));
    QCOMPARE(box.buttons, int(forms::vbYesNoCancel));
    QCOMPARE(box.icon, int(forms::vbQuestion));

    QCOMPARE(previewShown(), printed);
    if (!printed) {
        QCOMPARE(w.txtNum->text(), shownBefore);
        return;
    }
    QCOMPARE(form<frmPrint>().FXLabel1->caption(), QString(printing::constructedTestPackage));
    // The set is back on its first record.
    QCOMPARE(w.txtReturn->text(), fieldOf(QStringLiteral("ID"), nthOf(hose, 0)));
    QCOMPARE(w.txtQuestion2->text(), fieldOf(QStringLiteral("Question"), nthOf(hose, 0)));

    const QStringList lines = previewLines();
    QVERIFY(lines.value(0).startsWith(QStringLiteral("Starting Time: ")));
    QVERIFY(lines.contains(QStringLiteral("1  Questions Were Answered Correctly.")));
    QVERIFY(lines.contains(QStringLiteral("2  Questions Were Answered Incorrectly.")));
    QCOMPARE(printing::printDocument().document().pages.front().header, hose);
    const QString text = lines.join(u' ');
    for (int n : {1, 4}) {
        const QString row = nthOf(hose, n);
        QVERIFY2(text.contains(QString::number(n + 1) + QStringLiteral(") ")
                               + fieldOf(QStringLiteral("Question"), row).left(30)),
                 qPrintable(text));
        const QString answerText = fieldOf(fieldOf(QStringLiteral("Answer"), row), row);
        QVERIFY(text.contains(QStringLiteral("Answer -> ") + answerText.left(20)));
        QCOMPARE(text.contains(fieldOf(QStringLiteral("Memo"), row).left(30)), withNotes);
    }
    for (int n : {3, 4}) // the third and fourth are not listed
        QVERIFY(!text.contains(QString::number(n) + QStringLiteral(") ")));
}

// The report as it reaches paper: printed to PDF from the preview's
// document, its summary and entries read back by pdftotext.
void tst_Reports::quickReportPrintsToPdf()
{
    executeSql(db(), QStringLiteral("UPDATE table1 SET Snoop = 'Q' WHERE ") + nthOf(streams, 0) + QStringLiteral(" OR ")
                         + nthOf(streams, 20));
    frmMain& w = fixture->openChapter(streams);
    w.txtScore->setText(QStringLiteral("67"));
    fixture->boxes.answer(forms::vbNo);
    w.printQuickReport();
    QVERIFY(previewShown());

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
    print::printDocument(printing::printDocument().document(), printer);
    QCOMPARE(printtest::pdfPages(printer.outputFileName()), printing::printDocument().pageCount());

    const QString text = printtest::pdfText(printer.outputFileName()).simplified();
    QVERIFY(text.contains(QStringLiteral("Your Score Is: 67")));
    QVERIFY(text.contains(QStringLiteral("Here are the questions you answered incorrectly with their correct answers")));
    QVERIFY(text.contains(QStringLiteral("1) ") + fieldOf(QStringLiteral("Question"), nthOf(streams, 0)).left(25)));
    QVERIFY(text.contains(QStringLiteral("21) ") + fieldOf(QStringLiteral("Question"), nthOf(streams, 20)).left(25)));
    QVERIFY(!text.contains(QStringLiteral("2) ")));
}

// Every question of the chapter in the album, four to a page, each picture
// read from the pictures folder straight into its cell; a picture whose file
// is gone leaves its cell empty. The question window's own picture boxes are
// not touched.
void tst_Reports::albumPrintsEveryQuestionWithItsPicture()
{
    const int withPictures =
        fixture->storedNumber(QStringLiteral("SELECT count(*) FROM table1 WHERE Chapter = 'Fire Streams' "
                                             "AND d_strip1 IS NOT NULL AND d_strip1 <> ''"));
    QVERIFY(withPictures >= 2);
    // The last question's picture goes missing.
    const bool lastHadPicture = !fieldOf(QStringLiteral("d_strip1"), nthOf(streams, 20)).isEmpty();
    executeSql(db(), QStringLiteral("UPDATE table1 SET d_strip1 = 'gone.jpg' WHERE ") + nthOf(streams, 20));
    frmMain& w = fixture->openChapter(streams);
    testsupport::QuestionWindowFixture::moveTo(w, 3);
    const QString fileNameBefore = w.txtFileName->text();

    w.printPictureAlbum();
    QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
    QVERIFY(previewShown());
    const print::Document& document = printing::printDocument().document();
    QCOMPARE(int(document.pages.size()), 6); // 21 questions
    int pictures = 0;
    for (const print::Page& page : document.pages) {
        pictures += int(page.pictures.size());
        QCOMPARE(page.header, streams);
    }
    QCOMPARE(pictures, lastHadPicture ? withPictures - 1 : withPictures);
    const QString text = previewLines().join(u' ');
    QVERIFY(text.contains(QStringLiteral("21) ") + fieldOf(QStringLiteral("Question"), nthOf(streams, 20)).left(20)));
    QCOMPARE(w.txtFileName->text(), fileNameBefore);
    QCOMPARE(w.txtReturn->text(), fieldOf(QStringLiteral("ID"), nthOf(streams, 0)));
}

// A set without questions is told and shows no preview.
void tst_Reports::emptySetIsToldAndNothingShown_data()
{
    QTest::addColumn<bool>("album");
    QTest::newRow("quick report") << false;
    QTest::newRow("album") << true;
}

void tst_Reports::emptySetIsToldAndNothingShown()
{
    QFETCH(bool, album);

    frmMain& w = fixture->loadSet(QStringLiteral("SELECT * FROM table1 WHERE Chapter = 'No Such Chapter'"));
    if (album) {
        fixture->boxes.answer(forms::vbOK);
        w.printPictureAlbum();
    } else {
        fixture->boxes.answer(forms::vbYes).answer(forms::vbOK);
        w.printQuickReport();
    }
    QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
    QCOMPARE(fixture->boxes.shown().last().text, printing::emptySetRefusal());
    QVERIFY(!previewShown());
}

QTEST_MAIN(tst_Reports)
#include "tst_reports.moc"
