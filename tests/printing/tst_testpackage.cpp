#include "../platform/print/PageText.h"
#include "../platform/print/Poppler.h"
#include "../platform/print/PrintFonts.h"
#include "support/ProgramFolder.h"

#include "platform/data/Connection.h"
#include "platform/data/Recordset.h"
#include "platform/print/Composer.h"
#include "platform/print/PrintControl.h"
#include "platform/print/TextMetrics.h"
#include "printing/PrintSettings.h"
#include "printing/PrintedRows.h"
#include "printing/TestPackage.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <map>

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
    void initTestCase();
    void productsFollowEachOtherOnNewPages_data();
    void productsFollowEachOtherOnNewPages();
    void headers_data();
    void headers();
    void testEntries_data();
    void testEntries();
    void answerListAndKeyRows();
    void keyRowsLieOverTheSheetRows_data();
    void keyRowsLieOverTheSheetRows();
    void keepTogetherKeepsAnEntryThatExactlyFits_data();
    void keepTogetherKeepsAnEntryThatExactlyFits();
    void emptySetIsRefusedAndTheDocumentKept();
    void nothingChosenGivesAnEmptyDocument();
    void unusableSettingsFallBackToDefaults_data();
    void unusableSettingsFallBackToDefaults();
    void numbersPassSixteenBits();
    void sampleChapterPrintsToPdf();
};

// Where a sheet row or a page ends follows from the widths of the print fonts.
void TestPackageTest::initTestCase()
{
    const QString fonts = printtest::metricFontProblem();
    QVERIFY2(fonts.isEmpty(), qPrintable(fonts));
}

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
    // The blank form headers, written out: a word, then room to write in.
    const QString tail = QString(22, u' ') + QStringLiteral("Class:") + QString(19, u' ') + QStringLiteral("Date: ");
    const QString sheet = QStringLiteral("Name:") + QString(16, u' ') + tail;
    const QString key = QStringLiteral("Test") + QString(16, u' ') + tail;
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

// The key is laid over the sheet to mark it: every row of the key, a row
// with a bold X or one left blank, stands where the sheet prints the same
// row, on the same page, and each X on the sheet's row of letters. Enough
// rows to fill several columns and pages, in the default type and in one
// whose bold weight is set with wider line spacing than its regular one.
void TestPackageTest::keyRowsLieOverTheSheetRows_data()
{
    QTest::addColumn<QString>("font");
    QTest::newRow("default type") << PrintSettings{}.font;
    QString tallerBold;
    for (const QString& family : QFontDatabase::families()) {
        // At 11 points, as the sheet prints, measured as the composer measures.
        print::TextStyle style;
        style.family = family;
        style.pointSize = 11;
        const qreal regular = QFontMetricsF(print::fontOf(style)).lineSpacing();
        style.bold = true;
        if (QFontMetricsF(print::fontOf(style)).lineSpacing() > regular + 1) {
            tallerBold = family;
            break;
        }
    }
    if (!tallerBold.isEmpty())
        QTest::newRow("type with taller bold") << tallerBold;
}

void TestPackageTest::keyRowsLieOverTheSheetRows()
{
    QFETCH(QString, font);
    PrintSettings settings;
    settings.font = font;
    QStringList answers;
    for (int i = 0; i < 400; ++i)
        answers << QStringList{"A", "B", "C", "D", "", "c"}.at(i % 6);
    const auto questions = questionsWith(answers);

    struct Place {
        int page = -1;
        print::TextRun run;
    };
    // The run that begins each numbered row, by its number; and the key's
    // X runs, by the number of their row.
    auto rowsOf = [](const print::Document& document, std::map<int, Place>* xs) {
        std::map<int, Place> rows;
        for (int page = 0; page < int(document.pages.size()); ++page) {
            std::map<std::pair<int, int>, int> numberAt; // (x, top) of a row -> its number
            for (const print::TextRun& run : document.pages[page].runs) {
                const qsizetype close = run.text.indexOf(u')');
                bool numbered = false;
                const int number = close > 0 ? run.text.left(close).toInt(&numbered) : 0;
                if (numbered) {
                    rows[number] = {page, run};
                    numberAt[{run.x, run.top}] = number;
                }
            }
            if (!xs)
                continue;
            for (const print::TextRun& run : document.pages[page].runs) {
                if (!run.style.bold)
                    continue;
                // The X belongs to the nearest row start left of it on its line.
                int number = 0;
                for (const auto& [at, n] : numberAt)
                    if (at.second == run.top && at.first < run.x)
                        number = n;
                (*xs)[number] = {page, run};
            }
        }
        return rows;
    };

    print::Composer sheetComposer;
    composeTestPackage(sheetComposer, questions, settings, {TestVariant::none, false, true, false}, wholeBank);
    print::Composer keyComposer;
    composeTestPackage(keyComposer, questions, settings, {TestVariant::none, false, false, true}, wholeBank);
    const std::map<int, Place> sheet = rowsOf(sheetComposer.document(), nullptr);
    std::map<int, Place> xs;
    const std::map<int, Place> key = rowsOf(keyComposer.document(), &xs);

    QCOMPARE(int(sheet.size()), 400);
    QVERIFY2(sheetComposer.document().pages.size() > 1, "the rows must fill more than a page");
    QCOMPARE(keyComposer.document().pages.size(), sheetComposer.document().pages.size());
    QCOMPARE(int(key.size()), 400 / 6 * 4 + 4);
    QCOMPARE(int(xs.size()), int(key.size()));
    for (const auto& [number, place] : key) {
        const Place& under = sheet.at(number);
        const QString row = QString::number(number);
        QVERIFY2(place.page == under.page && place.run.x == under.run.x && place.run.top == under.run.top,
                 qPrintable(row));
        const Place& x = xs.at(number);
        QVERIFY2(x.page == under.page && x.run.top == under.run.top, qPrintable(row));
        QVERIFY2(x.run.x > under.run.x && x.run.x < under.run.x + under.run.width, qPrintable(row));
    }
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
    const std::vector<print::Page>& pages = composer.document().pages;
    QVERIFY(!pages.empty());
    const QStringList lines = printtest::bodyLines(pages.back(), composer.layout(), 4);
    QCOMPARE(lines.value(lines.size() - 1), QStringLiteral("33000)  ") + sheetRow);
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
