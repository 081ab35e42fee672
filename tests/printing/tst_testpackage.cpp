#include "../platform/print/PageText.h"
#include "../platform/print/Poppler.h"
#include "support/ProgramFolder.h"

#include "platform/data/Connection.h"
#include "platform/data/Recordset.h"
#include "platform/print/Composer.h"
#include "platform/print/PrintControl.h"
#include "printing/PrintSettings.h"
#include "printing/PrintedRows.h"
#include "printing/TestPackage.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace printing;

Q_DECLARE_METATYPE(printing::TestVariant)
Q_DECLARE_METATYPE(printing::PackageChoices)
Q_DECLARE_METATYPE(printing::PrintSettings)

namespace {

const QString sheetRow = QStringLiteral("A    B    C    D    ");

// Short questions, so each product fits a page: question n reads "Question n"
// and its answers "an" to "dn".
std::vector<PrintedQuestion> questionsWith(const QStringList& answers, const QString& chapter = QStringLiteral("Ropes"))
{
    std::vector<PrintedQuestion> questions;
    for (int i = 0; i < answers.size(); ++i) {
        const QString n = QString::number(i + 1);
        questions.push_back({i + 101, QStringLiteral("Question ") + n, u'a' + n, u'b' + n, u'c' + n, u'd' + n,
                             answers[i], QStringLiteral("Notes ") + n, chapter, QString()});
    }
    return questions;
}

const SetTitle wholeBank{QStringLiteral("Snore"), QString(), QStringLiteral("Ropes")};

QStringList headersOf(const print::Document& document)
{
    QStringList headers;
    for (const print::Page& page : document.pages)
        headers << page.header;
    return headers;
}

QStringList linesOf(const print::Composer& composer, int page, int columns = 1)
{
    return printtest::bodyLines(composer.document().pages.at(page), composer.layout(), columns);
}

const PackageChoices everything{TestVariant::withAnswers, true, true, true};

} // namespace

class TestPackageTest : public QObject {
    Q_OBJECT

private slots:
    void productsFollowEachOtherOnNewPages_data();
    void productsFollowEachOtherOnNewPages();
    void headers_data();
    void headers();
    void testEntries_data();
    void testEntries();
    void answerListAndKeyRows();
    void keepTogetherKeepsAnEntryThatExactlyFits_data();
    void keepTogetherKeepsAnEntryThatExactlyFits();
    void emptySetIsRefusedAndTheDocumentKept();
    void nothingChosenGivesAnEmptyDocument();
    void unusableSettingsFallBackToDefaults_data();
    void unusableSettingsFallBackToDefaults();
    void numbersPassSixteenBits();
    void sampleChapterPrintsToPdf();
};

// Each chosen product starts a page of its own and numbers from 1.
void TestPackageTest::productsFollowEachOtherOnNewPages_data()
{
    QTest::addColumn<PackageChoices>("choices");
    QTest::addColumn<QStringList>("firstLines");

    const QString sheet = QStringLiteral("1)  ") + sheetRow;
    QTest::newRow("all four") << everything
                              << QStringList{QStringLiteral("1) Question 1"), QStringLiteral("1)     B"), sheet,
                                             QStringLiteral("1)  A    X    C    D    ")};
    QTest::newRow("test alone") << PackageChoices{TestVariant::withNotes, false, false, false}
                                << QStringList{QStringLiteral("1) Question 1")};
    QTest::newRow("list and key") << PackageChoices{TestVariant::none, true, false, true}
                                  << QStringList{QStringLiteral("1)     B"), QStringLiteral("1)  A    X    C    D    ")};
    QTest::newRow("sheet alone") << PackageChoices{TestVariant::none, false, true, false} << QStringList{sheet};
}

void TestPackageTest::productsFollowEachOtherOnNewPages()
{
    QFETCH(PackageChoices, choices);
    QFETCH(QStringList, firstLines);

    print::Composer composer;
    const PackageResult result =
        composeTestPackage(composer, questionsWith({"B", "C", "A"}), PrintSettings{}, choices, wholeBank);
    QVERIFY(result.composed());
    QVERIFY(result.replacedSettings.isEmpty());
    QCOMPARE(int(composer.document().pages.size()), firstLines.size());
    for (int page = 0; page < firstLines.size(); ++page)
        QCOMPARE(linesOf(composer, page).value(0), firstLines[page]);
}

// The header of every product, by the set marker and the title box.
void TestPackageTest::headers_data()
{
    QTest::addColumn<TestVariant>("variant");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("ownTitle");
    QTest::addColumn<QStringList>("expected"); // test, list, sheet, key

    const QString untitledText(untitled);
    const QString sheet = answerSheetHeader();
    const QString key = correctionKeyHeader();
    QTest::newRow("whole bank, no answers")
        << TestVariant::withoutAnswers << "Snore" << untitledText
        << QStringList{"All Questions        ", "These Are The Answers For:  All Questions", sheet, key};
    QTest::newRow("whole bank, with answers")
        << TestVariant::withAnswers << "Snore" << untitledText
        << QStringList{"All Questions  ", "These Are The Answers For:  All Questions", sheet, key};
    QTest::newRow("multi-chapter test")
        << TestVariant::withNotesAndAnswers << "Select" << untitledText
        << QStringList{"Pump Week", "These Are The Answers For: Pump Week", sheet, key};
    // The test takes the chapter of the record current at the start, the
    // list that of the first record.
    QTest::newRow("chapter") << TestVariant::withNotes << "Ropes" << untitledText
                             << QStringList{"Knots", "These Are The Answers For:  Ropes", sheet, key};
    QTest::newRow("own title") << TestVariant::withAnswers << "Snore" << "Midterm"
                               << QStringList{"Midterm", "Midterm", "Midterm", "Midterm"};
    QTest::newRow("own title left empty") << TestVariant::withAnswers << "Ropes" << ""
                                          << QStringList{"", "", "", ""};
}

void TestPackageTest::headers()
{
    QFETCH(TestVariant, variant);
    QFETCH(QString, marker);
    QFETCH(QString, ownTitle);
    QFETCH(QStringList, expected);

    PrintSettings settings;
    settings.headerTitle = ownTitle;
    print::Composer composer;
    composeTestPackage(composer, questionsWith({"A", "B"}), settings, {variant, true, true, true},
                       {marker, QStringLiteral("Pump Week"), QStringLiteral("Knots")});
    QCOMPARE(headersOf(composer.document()), expected);
    // The sheet and the key stay in four columns at 11 points, titled or not.
    QCOMPARE(composer.columnCount(), 4);
    QCOMPARE(composer.bodyStyle().pointSize, 11.0);
}

// The entry of each variant, and the empty paragraph only the test without
// answers begins with.
void TestPackageTest::testEntries_data()
{
    QTest::addColumn<TestVariant>("variant");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("startsLower");

    const QStringList block{"1) Question 1", "A  a1", "B  b1", "C  c1", "D  d1"};
    QTest::newRow("without answers") << TestVariant::withoutAnswers << block << true;
    QTest::newRow("with answers") << TestVariant::withAnswers << block + QStringList{"Answer --> b"} << false;
    QTest::newRow("with notes") << TestVariant::withNotes << block + QStringList{"Notes 1"} << false;
    QTest::newRow("notes and answers") << TestVariant::withNotesAndAnswers
                                       << block + QStringList{"Answer --> b", "Notes 1"} << false;
}

void TestPackageTest::testEntries()
{
    QFETCH(TestVariant, variant);
    QFETCH(QStringList, lines);
    QFETCH(bool, startsLower);

    print::Composer composer;
    // A lower-case letter is printed as stored.
    composeTestPackage(composer, questionsWith({"b"}), PrintSettings{}, {variant, false, false, false}, wholeBank);
    QCOMPARE(linesOf(composer, 0), lines);

    const print::Page& page = composer.document().pages.front();
    const auto first = std::find_if(page.runs.begin(), page.runs.end(),
                                    [](const print::TextRun& run) { return run.text.startsWith(u"1)"); });
    QVERIFY(first != page.runs.end());
    QCOMPARE(first->top > composer.layout().textTop(), startsLower);
}

// The list prints any stored letter; the key leaves a row out for a letter
// that is not A to D and goes on with the next number, X in bold.
void TestPackageTest::answerListAndKeyRows()
{
    const auto questions = questionsWith({"A", "b", "", "D", "E", "C"});
    print::Composer composer;
    composeTestPackage(composer, questions, PrintSettings{}, {TestVariant::none, true, false, true}, wholeBank);
    QCOMPARE(linesOf(composer, 0, 8),
             (QStringList{"1)     A", " ", "2)     b", " ", "3)     ", " ", "4)     D", " ", "5)     E", " ",
                          "6)     C", " "}));
    QCOMPARE(linesOf(composer, 1, 4),
             (QStringList{"1)  X    B    C    D    ", "4)  A    B    C    X    ", "6)  A    B    X    D    "}));

    int boldRuns = 0;
    for (const print::TextRun& run : composer.document().pages.at(1).runs) {
        if (run.style.bold) {
            ++boldRuns;
            QCOMPARE(run.text, QStringLiteral("X    "));
        }
    }
    QCOMPARE(boldRuns, 3);
}

// An entry as high as the room left stays on the page; one twip less room
// moves it to the next.
void TestPackageTest::keepTogetherKeepsAnEntryThatExactlyFits_data()
{
    QTest::addColumn<int>("lessRoom");
    QTest::addColumn<int>("pages");

    QTest::newRow("more room") << -1 << 1;
    QTest::newRow("exactly fits") << 0 << 1;
    QTest::newRow("one twip short") << 1 << 2;
}

void TestPackageTest::keepTogetherKeepsAnEntryThatExactlyFits()
{
    QFETCH(int, lessRoom);
    QFETCH(int, pages);

    const auto questions = questionsWith({"A"});
    print::Composer composer;
    composer.startDocument();
    applyPrintSettings(composer, PrintSettings{});
    composer.measureEntry(QStringLiteral("1) Question 1\r\rA  a1\rB  b1\rC  c1\rD  d1\rAnswer --> A\r\r"));
    composer.setPositionY(composer.fitLimit() - composer.fitNeed() + lessRoom);
    composeTest(composer, questions, PrintSettings{}, TestVariant::withAnswers, wholeBank);
    composer.endDocument();
    QCOMPARE(int(composer.document().pages.size()), pages);
    QCOMPARE(linesOf(composer, pages - 1).value(0), QStringLiteral("1) Question 1"));
}

void TestPackageTest::emptySetIsRefusedAndTheDocumentKept()
{
    print::Composer composer;
    composeTestPackage(composer, questionsWith({"A"}), PrintSettings{}, everything, wholeBank);
    const print::Document before = composer.document();

    const PackageResult package = composeTestPackage(composer, {}, PrintSettings{}, everything, wholeBank);
    QCOMPARE(package.refusal, emptySetRefusal());
    const PackageResult key = composeRecordKey(composer, {});
    QCOMPARE(key.refusal, emptySetRefusal());
    QVERIFY(composer.document() == before);
}

void TestPackageTest::nothingChosenGivesAnEmptyDocument()
{
    print::Composer composer;
    const PackageResult result = composeTestPackage(composer, questionsWith({"A", "B"}), PrintSettings{},
                                                    PackageChoices{}, wholeBank);
    QVERIFY(result.composed());
    QCOMPARE(int(composer.document().pages.size()), 1);
    QVERIFY(linesOf(composer, 0).isEmpty());
}

// A setting that is no usable number is printed with its default and named;
// the package is composed all the same.
void TestPackageTest::unusableSettingsFallBackToDefaults_data()
{
    QTest::addColumn<PrintSettings>("settings");
    QTest::addColumn<QStringList>("replaced");

    PrintSettings size;
    size.size = QStringLiteral("twelve");
    PrintSettings colours;
    colours.color = QString();
    colours.headerColor = QStringLiteral("-5"); // a system colour, not one to print in
    PrintSettings header;
    header.headerSize = QStringLiteral("0");
    PrintSettings usable;
    usable.size = QStringLiteral(" 10.5 ");
    usable.color = QStringLiteral("255");

    QTest::newRow("usable") << usable << QStringList{};
    QTest::newRow("size in words") << size << QStringList{"font size"};
    QTest::newRow("empty and system colours") << colours << QStringList{"text colour", "title colour"};
    QTest::newRow("zero title size") << header << QStringList{"title size"};
}

void TestPackageTest::unusableSettingsFallBackToDefaults()
{
    QFETCH(PrintSettings, settings);
    QFETCH(QStringList, replaced);

    print::Composer composer;
    const PackageResult result = composeTestPackage(composer, questionsWith({"A"}), settings,
                                                    {TestVariant::withAnswers, false, false, false}, wholeBank);
    QVERIFY(result.composed());
    QCOMPARE(result.replacedSettings, replaced);
    QCOMPARE(linesOf(composer, 0).value(0), QStringLiteral("1) Question 1"));

    const PrintSettings defaults;
    auto expected = [&](const QString& text, const QString& fallback, const QString& name) {
        return replaced.contains(name) ? fallback.toDouble() : text.trimmed().toDouble();
    };
    QCOMPARE(composer.bodyStyle().pointSize, expected(settings.size, defaults.size, "font size"));
    QCOMPARE(double(composer.bodyStyle().color), expected(settings.color, defaults.color, "text colour"));
    QCOMPARE(composer.headerStyle().pointSize, expected(settings.headerSize, defaults.headerSize, "title size"));
    QCOMPARE(double(composer.headerStyle().color), expected(settings.headerColor, defaults.headerColor, "title colour"));
    if (!replaced.isEmpty())
        QVERIFY(replacedSettingsNotice(replaced).contains(replaced.join(QStringLiteral(", "))));
}

// Numbering goes on past 32,767 questions.
void TestPackageTest::numbersPassSixteenBits()
{
    QStringList answers;
    for (int i = 0; i < 33000; ++i)
        answers << QStringLiteral("A");
    print::Composer composer;
    composeTestPackage(composer, questionsWith(answers), PrintSettings{}, {TestVariant::none, false, true, false},
                       wholeBank);
    const print::Page& last = composer.document().pages.back();
    QCOMPARE(printtest::bodyLines(last, composer.layout(), 4).last(), QStringLiteral("33000)  ") + sheetRow);
}

// The package of a 20-question chapter of the sample bank, printed to PDF:
// every question, answer and key row in order, on the pages composed.
void TestPackageTest::sampleChapterPrintsToPdf()
{
    testsupport::ProgramFolder folder;
    QVERIFY(folder.isValid());
    auto connection = data::Connection::open(folder.databasePath());
    data::Recordset settingsRow;
    settingsRow.open(connection, QStringLiteral("Table6"));
    const PrintSettings settings = readPrintSettings(settingsRow);
    QCOMPARE(settings.headerTitle, QString(untitled));

    data::Recordset set;
    set.open(connection, QStringLiteral("SELECT TOP 20 * FROM table1 WHERE Chapter = 'Fire Streams' ORDER BY ID"));
    const std::vector<PrintedQuestion> questions = readPrintedQuestions(set);
    QCOMPARE(int(questions.size()), 20);
    QCOMPARE(set.field(QStringLiteral("ID")).value().toLongLong(), questions.front().id);

    print::PrintControl control;
    const PackageResult result = composeTestPackage(control, questions, settings, everything,
                                                    {QStringLiteral("Fire Streams"), QString(), questions.front().chapter});
    QVERIFY(result.composed());
    QVERIFY(result.replacedSettings.isEmpty());

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("package.pdf")));
    print::printDocument(control.document(), printer);

    // Twenty entries fill more than one page; the list, the sheet and the
    // key each take one of their own.
    const int pages = control.pageCount();
    QVERIFY(pages >= 5);
    QCOMPARE(printtest::pdfPages(printer.outputFileName()), pages);

    const QString text = printtest::pdfText(printer.outputFileName()).normalized(QString::NormalizationForm_KC).simplified();
    qsizetype at = 0;
    auto expectNext = [&](const QString& piece) {
        const qsizetype found = text.indexOf(piece.simplified(), at);
        if (found < 0)
            return false;
        at = found + 1;
        return true;
    };
    for (int i = 0; i < 20; ++i) {
        const PrintedQuestion& q = questions[i];
        QVERIFY2(expectNext(QString::number(i + 1) + QStringLiteral(") ") + q.question), qPrintable(q.question));
        for (const QString& answer : {q.a, q.b, q.c, q.d})
            QVERIFY2(expectNext(answer), qPrintable(answer));
        QVERIFY(expectNext(QStringLiteral("Answer --> ") + q.answer));
    }
    for (int i = 0; i < 20; ++i)
        QVERIFY(expectNext(QString::number(i + 1) + QStringLiteral(") ") + questions[i].answer));
    for (int i = 0; i < 20; ++i)
        QVERIFY(expectNext(QString::number(i + 1) + QStringLiteral(") A B C D")));
    for (int i = 0; i < 20; ++i) {
        QString row = QStringLiteral("A B C D");
        row.replace(questions[i].answer, QStringLiteral("X"));
        QVERIFY2(expectNext(QString::number(i + 1) + QStringLiteral(") ") + row), qPrintable(row));
    }
}

QTEST_MAIN(TestPackageTest)
#include "tst_testpackage.moc"
