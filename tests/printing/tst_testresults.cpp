#include "../platform/print/PageText.h"
#include "../platform/print/Poppler.h"
#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"

#include "platform/print/PrintControl.h"
#include "printing/FlashCards.h"
#include "printing/PreviewDocument.h"
#include "printing/TestResults.h"
#include "printing/frmID.h"
#include "printing/frmPrint.h"
#include "questionwindow/frmMain.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace printing;
using forms::form;

namespace {

const QString br = QStringLiteral("\r");

PrintedQuestion question(const QString& picked, const QString& answer)
{
    PrintedQuestion q;
    q.question = QStringLiteral("Which knot?");
    q.a = QStringLiteral("Bowline");
    q.b = QStringLiteral("Clove hitch");
    q.c = QStringLiteral("Figure eight");
    q.d = QStringLiteral("Half hitch");
    q.answer = answer;
    q.picked = picked;
    return q;
}

ResultsRun kevinsRun()
{
    ResultsRun run;
    run.startTime = QStringLiteral("4/17/2001 9:02:11 AM");
    run.finishTime = QStringLiteral("9:47 AM");
    run.user = {QStringLiteral("Kevin"),         QStringLiteral("Marlow County Fire District 3"),
                QStringLiteral("88 Harbor Street"), QStringLiteral("Marlow"),
                QStringLiteral("OR"),            QStringLiteral("97391"),
                QStringLiteral("(541) 555-0187"), QStringLiteral("(541) 555-0188"),
                QStringLiteral("kobrien@marlowfd3.example"), QStringLiteral("Weak on water supply.")};
    run.correct = QStringLiteral("1");
    run.incorrect = QStringLiteral("7");
    run.total = QStringLiteral("8");
    run.score = QStringLiteral("13");
    return run;
}

const SetTitle hoseChapter{QStringLiteral("Fire Hose"), QString(), QStringLiteral("Fire Hose")};

QString pdfOf(const print::Document& document, const QString& dir, int* pages = nullptr)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir + QStringLiteral("/results.pdf"));
    print::printDocument(document, printer);
    if (pages)
        *pages = printtest::pdfPages(printer.outputFileName());
    return printtest::pdfText(printer.outputFileName()).simplified();
}

} // namespace

// The test results: the user's block, the times, each question with the
// picked and the correct answer, and the score board's totals.
class tst_TestResults : public QObject {
    Q_OBJECT

private slots:
    // What an entry says by the pick and the correct letter.
    void entries_data()
    {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("tail");
        const QString correctIsA = QStringLiteral("The Correct Answer is - ") + br + QStringLiteral("A) Bowline") + br + br;
        const QString notAnswered = QStringLiteral("Kevin Did Not Answer This Question") + br;
        QTest::newRow("right") << "A" << "A"
                               << QStringLiteral("A) Bowline") + br + QStringLiteral("Kevin Answered The Question Correctly ") + br + br;
        QTest::newRow("wrong") << "C" << "A" << QStringLiteral("C) Figure eight") + br + correctIsA;
        QTest::newRow("empty pick") << "" << "A" << notAnswered + correctIsA;
        QTest::newRow("blank pick") << " " << "A" << notAnswered + correctIsA;
        QTest::newRow("pick of no answer") << "E" << "A" << br + br;
        QTest::newRow("lower-case pick") << "a" << "A" << br + br;
        QTest::newRow("wrong, key of no answer") << "D" << "b"
                                                 << QStringLiteral("D) Half hitch") + br + QStringLiteral("The Correct Answer is - ") + br + br + br;
        QTest::newRow("empty pick, empty key") << "" << ""
                                               << notAnswered + QStringLiteral("The Correct Answer is - ") + br + br + br;
    }
    void entries()
    {
        QFETCH(QString, picked);
        QFETCH(QString, answer);
        QFETCH(QString, tail);
        const QString head = QStringLiteral("3) Which knot?") + br + br + QStringLiteral("Kevin Selected - ") + br;
        QCOMPARE(resultsEntry(3, question(picked, answer), QStringLiteral("Kevin")), head + tail);
    }

    // The header: the user's own title as typed; otherwise an empty first
    // paragraph and a title by the set.
    void header_data()
    {
        QTest::addColumn<QString>("ownTitle");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QString>("header");
        QTest::addColumn<bool>("emptyFirstParagraph");
        const QString untitledText(untitled);
        QTest::newRow("own title") << "Station 9 Drill" << "Snore" << "Station 9 Drill" << false;
        QTest::newRow("whole bank") << untitledText << "Snore" << "Title: All Questions    Date:         " << true;
        QTest::newRow("multi-chapter test") << untitledText << "Select" << "Title: Spring Test    Date:         "
                                            << true;
        // Any other marker: the chapter of the record current when the
        // build starts, not the marker.
        QTest::newRow("chapter") << untitledText << "Fire Hose" << "Title:   Ropes    Date:         " << true;
        QTest::newRow("review set") << untitledText << "Sneeze" << "Title:   Ropes    Date:         " << true;
    }
    void header()
    {
        QFETCH(QString, ownTitle);
        QFETCH(QString, marker);
        QFETCH(QString, header);
        QFETCH(bool, emptyFirstParagraph);
        PrintSettings settings;
        settings.headerTitle = ownTitle;
        print::Composer composer;
        composeTestResults(composer, {question(QStringLiteral("A"), QStringLiteral("A"))}, settings,
                           {marker, QStringLiteral("Spring Test"), QStringLiteral("Ropes")}, kevinsRun());
        QCOMPARE(composer.document().pages.at(0).header, header);
        // The empty paragraph, in the font the composer had before, leaves
        // a line free above the report.
        int top = -1;
        for (const print::TextRun& run : composer.document().pages.at(0).runs) {
            if (run.text == QStringLiteral("Raze Verudev E/RE"))
                top = run.top;
        }
        QCOMPARE(top > composer.layout().textTop(), emptyFirstParagraph);
        QVERIFY(top >= composer.layout().textTop());
    }

    // The whole report in order, as the printed PDF reads; the user's block
    // stands in one column even after a product of many columns.
    void reportReadsInOrder()
    {
        print::PrintControl control;
        control.setColumnCount(8); // an answer list printed before
        const std::vector<PrintedQuestion> questions = {question(QStringLiteral("A"), QStringLiteral("A")),
                                                        question(QStringLiteral(" "), QStringLiteral("B")),
                                                        question(QStringLiteral("D"), QStringLiteral("C"))};
        const QStringList replaced = composeTestResults(control, questions, PrintSettings{}, hoseChapter, kevinsRun());
        QVERIFY(replaced.isEmpty());
        QCOMPARE(control.columnCount(), 1);

        QTemporaryDir dir;
        int pages = 0;
        const QString text = pdfOf(control.document(), dir.path(), &pages);
        QCOMPARE(pages, control.pageCount());
        qsizetype at = 0;
        for (const QString& piece : {
                 QStringLiteral("Title: Fire Hose Date:"),
                 QStringLiteral("Raze Verudev E/RE"),
                 QStringLiteral("Starting Time: 4/17/2001 9:02:11 AM"),
                 QStringLiteral("Finish Time: 9:47 AM"),
                 QStringLiteral("Name: Kevin"),
                 QStringLiteral("Company: Marlow County Fire District 3"),
                 QStringLiteral("Address: 88 Harbor Street"),
                 QStringLiteral("City: Marlow State: OR Zip: 97391"),
                 QStringLiteral("Telephone: (541) 555-0187"),
                 QStringLiteral("Fax: (541) 555-0188"),
                 QStringLiteral("E-Mail: kobrien@marlowfd3.example"),
                 QStringLiteral("Comments: Weak on water supply."),
                 QStringLiteral("1) Which knot?"),
                 QStringLiteral("Kevin Answered The Question Correctly"),
                 QStringLiteral("2) Which knot?"),
                 QStringLiteral("Kevin Did Not Answer This Question"),
                 QStringLiteral("The Correct Answer is - B) Clove hitch"),
                 QStringLiteral("3) Which knot?"),
                 QStringLiteral("D) Half hitch The Correct Answer is - C) Figure eight"),
                 QStringLiteral("Questions Answered Correctly: 1"),
                 QStringLiteral("Questions Answered Incorrectly: 7"),
                 QStringLiteral("Total Questions: 8"),
                 QStringLiteral("Score: 13"),
                 QStringLiteral("Questions That Were Not Answered Are Not Computed In Score"),
             }) {
            const qsizetype found = text.indexOf(piece, at);
            QVERIFY2(found >= 0, qPrintable(piece));
            at = found + piece.size();
        }
    }

    // Entries are kept whole: a long set runs over pages without splitting
    // one.
    void longSetsKeepEntriesWhole()
    {
        print::Composer composer;
        std::vector<PrintedQuestion> questions(120, question(QStringLiteral("B"), QStringLiteral("C")));
        composeTestResults(composer, questions, PrintSettings{}, hoseChapter, kevinsRun());
        const print::Document& document = composer.document();
        QVERIFY(document.pages.size() > 5);
        // Each entry's first line and its correct answer are on one page.
        int entries = 0;
        for (const print::Page& page : document.pages) {
            const QStringList lines = printtest::bodyLines(page, composer.layout());
            int opened = 0;
            int closed = 0;
            for (const QString& line : lines) {
                if (line.endsWith(QStringLiteral(") Which knot?")))
                    ++opened;
                if (line == QStringLiteral("C) Figure eight"))
                    ++closed;
            }
            QCOMPARE(opened, closed);
            entries += opened;
        }
        QCOMPARE(entries, 120);
    }

    // A set without questions still reports the user, the times and the
    // totals.
    void emptySetReportsTheRest()
    {
        print::PrintControl control;
        composeTestResults(control, {}, PrintSettings{}, hoseChapter, kevinsRun());
        QCOMPARE(control.pageCount(), 1);
        QTemporaryDir dir;
        const QString text = pdfOf(control.document(), dir.path());
        QVERIFY(text.contains(QStringLiteral("Name: Kevin")));
        QVERIFY(text.contains(QStringLiteral("Total Questions: 8")));
        QVERIFY(!text.contains(QStringLiteral("Selected")));
    }

    // From the running program: the question window's set and score board,
    // and the user the users window shows, loading it when it was never
    // opened; the preview shows the results.
    void printedFromTheQuestionWindow_data()
    {
        QTest::addColumn<QString>("pickedUser");
        QTest::addColumn<QString>("printedName");
        QTest::newRow("users window never opened") << QString() << "Name: Maria";
        QTest::newRow("picked user") << "O'Brien" << "Name: Kevin";
    }
    void printedFromTheQuestionWindow()
    {
        QFETCH(QString, pickedUser);
        QFETCH(QString, printedName);
        testsupport::QuestionWindowFixture fixture;
        auto& main = fixture.openChapter(QStringLiteral("Fire Hose"));
        testsupport::executeSql(fixture.databasePath(),
                                "UPDATE table1 SET Snoop = '' WHERE Chapter = 'Fire Hose'");
        main.Data1->refresh();
        main.txtCorrect->setText(QStringLiteral("4"));
        main.txtScore->setText(QStringLiteral("80"));
        if (!pickedUser.isEmpty()) {
            frmID& users = form<frmID>();
            for (int i = 0; i < users.List1->listCount(); ++i) {
                if (users.List1->list(i) == pickedUser)
                    users.List1->setListIndex(i);
            }
            users.List1_Click();
            QCOMPARE(users.txtLast->text(), pickedUser);
        }
        const int questions = main.Data1->recordset().recordCount();
        QVERIFY(questions > 0);

        printTestResults(PrintSettings{});
        frmPrint& preview = form<frmPrint>();
        QVERIFY(preview.isVisible());
        QCOMPARE(preview.FXLabel1->caption(), QStringLiteral("Constructed Test Package"));
        const print::Document& document = printDocument().document();
        QCOMPARE(document.pages.at(0).header.left(18), QStringLiteral("Title:   Fire Hose"));
        QStringList lines = printtest::documentLines(document, printDocument().layout());
        QVERIFY2(lines.contains(printedName), qPrintable(lines.join(QLatin1Char('|'))));
        QVERIFY(lines.contains(QStringLiteral("Questions Answered Correctly:  4")));
        QVERIFY(lines.contains(QStringLiteral("Score:  80")));
        const QString notAnswered = printedName.mid(6) + QStringLiteral(" Did Not Answer This Question");
        QCOMPARE(int(lines.count(notAnswered)), questions);
        QCOMPARE(main.Data1->recordset().absolutePosition(), 0);
        fixture.verifyNoBoxes();
    }

    // Cards of an empty set: a notice, and no preview.
    void cardsOfAnEmptySetAreRefused()
    {
        testsupport::QuestionWindowFixture fixture;
        fixture.loadSet(QStringLiteral("SELECT * FROM table1 WHERE Chapter = 'No Such Chapter'"));
        fixture.boxes.answer(forms::vbOK);
        printFlashCards(CardSide::questions);
        QCOMPARE(fixture.boxes.shown().value(0).text, emptySetRefusal());
        QVERIFY(!forms::App::current().isLoaded<frmPrint>() || !form<frmPrint>().isVisible());
        fixture.verifyNoBoxes();
    }
};

QTEST_MAIN(tst_TestResults)
#include "tst_testresults.moc"
