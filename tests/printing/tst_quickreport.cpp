#include "../platform/print/PageText.h"

#include "platform/print/Composer.h"
#include "printing/PrintSettings.h"
#include "printing/QuickReport.h"

#include <QTest>

#include <algorithm>

using namespace printing;

Q_DECLARE_METATYPE(printing::PageReferences)

namespace {

const QString heading = QStringLiteral("Here are the questions you answered incorrectly with their correct answers");

// Question n reads "Question n", its answers "an" to "dn", its notes
// "Notes n"; the correct letters and the picks are given.
std::vector<AnsweredQuestion> rowsWith(const QStringList& answers, const QStringList& picks)
{
    std::vector<AnsweredQuestion> rows;
    for (int i = 0; i < answers.size(); ++i) {
        const QString n = QString::number(i + 1);
        rows.push_back({{i + 101, QStringLiteral("Question ") + n, u'a' + n, u'b' + n, u'c' + n, u'd' + n,
                         answers[i], QStringLiteral("Notes ") + n, QStringLiteral("Ropes")},
                        picks.value(i)});
    }
    return rows;
}

const ScoreSummary score{QStringLiteral("4/17/2001 9:00:00 AM"), QStringLiteral("9:42 AM"), QStringLiteral("3"),
                         QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("60")};

const SetTitle chapterSet{QStringLiteral("Ropes"), QString(), QStringLiteral("Knots")};

QStringList reportLines(const print::Composer& composer)
{
    return printtest::documentLines(composer.document(), composer.layout());
}

// The lines after the summary's heading: the listed entries.
QStringList entryLines(const print::Composer& composer)
{
    const QStringList lines = reportLines(composer);
    return lines.mid(lines.indexOf(heading) + 1);
}

} // namespace

class QuickReportTest : public QObject {
    Q_OBJECT

private slots:
    void summaryComesFirst();
    void listsTheWronglyAnsweredByPosition_data();
    void listsTheWronglyAnsweredByPosition();
    void entries_data();
    void entries();
    void headers_data();
    void headers();
    void anEntryIsNeverSplitAcrossPages();
    void emptySetIsRefusedAndTheDocumentKept();
    void numbersPassSixteenBits();
};

// The summary of the score board, word for word, on the first page below an
// empty paragraph.
void QuickReportTest::summaryComesFirst()
{
    // Small enough for the longest line to fit the width of the page.
    PrintSettings small;
    small.size = QStringLiteral("8");
    print::Composer composer;
    const PackageResult result = composeQuickReport(composer, rowsWith({"A"}, {""}), small, score, chapterSet,
                                                    PageReferences::leftOut);
    QVERIFY(result.composed());
    QCOMPARE(reportLines(composer),
             (QStringList{"Starting Time: 4/17/2001 9:00:00 AM",
                          "Finish Time: 9:42 AM",
                          "3  Questions Were Answered Correctly.",
                          "2  Questions Were Answered Incorrectly.",
                          "There Were A Total Of 5 Questions Answered.",
                          "Your Score Is:  60",
                          "Questions That Were Not Answered Are Not Computed In Score But Are Indicated On "
                          "Questions Above.",
                          heading}));
    QCOMPARE(int(composer.document().pages.size()), 1);
    // The summary stands below an empty paragraph, the heading one empty
    // line below the summary.
    const print::Page& page = composer.document().pages.front();
    const auto at = [&](const QString& text) {
        return std::find_if(page.runs.begin(), page.runs.end(),
                            [&](const print::TextRun& run) { return run.text == text; });
    };
    const auto start = at(QStringLiteral("Starting Time: 4/17/2001 9:00:00 AM"));
    QVERIFY(start != page.runs.end());
    QCOMPARE(start->top, composer.layout().textTop() + start->height);
    const auto last = std::find_if(page.runs.begin(), page.runs.end(),
                                   [](const print::TextRun& run) { return run.text.startsWith(u"Questions That"); });
    QCOMPARE(at(heading)->top, last->top + 2 * last->height);
}

// Which questions are listed, numbered by their place in the set: a pick
// that differs from the correct letter, compared exactly; never an empty or
// blank pick, which means the question was not answered.
void QuickReportTest::listsTheWronglyAnsweredByPosition_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QStringList>("listed"); // the numbers, in order

    QTest::newRow("nothing picked") << QStringList{"A", "B", "C"} << QStringList{"", "", ""} << QStringList{};
    QTest::newRow("all right") << QStringList{"A", "B", "C"} << QStringList{"A", "B", "C"} << QStringList{};
    QTest::newRow("second and fifth wrong") << QStringList{"A", "B", "C", "D", "A", "B"}
                                            << QStringList{"A", "C", "C", "", "D", "B"} << QStringList{"2", "5"};
    QTest::newRow("blank picks are no answers") << QStringList{"A", "B", "C"} << QStringList{" ", "  ", "D"}
                                                << QStringList{"3"};
    QTest::newRow("letter case counts") << QStringList{"B", "b"} << QStringList{"b", "B"} << QStringList{"1", "2"};
    QTest::newRow("no correct letter") << QStringList{"", "E"} << QStringList{"A", "E"} << QStringList{"1"};
}

void QuickReportTest::listsTheWronglyAnsweredByPosition()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, listed);

    print::Composer composer;
    composeQuickReport(composer, rowsWith(answers, picks), PrintSettings{}, score, chapterSet,
                       PageReferences::leftOut);
    QStringList numbers;
    for (const QString& line : entryLines(composer))
        if (line.startsWith(QStringLiteral("Question ")) || line.contains(QStringLiteral(") Question ")))
            numbers << line.section(u')', 0, 0);
    QCOMPARE(numbers, listed);
}

// A listed question's lines: its position and text, the text of the answer
// its correct letter names (none for another letter), and with the
// references its notes, also when it has none.
void QuickReportTest::entries_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<PageReferences>("references");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("answer") << "C" << "See page 12" << PageReferences::leftOut << "1) Question 1\rAnswer -> c1"
                            << QStringList{"1) Question 1", "Answer -> c1"};
    QTest::newRow("answer and references")
        << "D" << "See page 12\r\nand 14" << PageReferences::included
        << "1) Question 1\rAnswer -> d1\rSee page 12\r\nand 14"
        << QStringList{"1) Question 1", "Answer -> d1", "See page 12", "and 14"};
    QTest::newRow("references without notes") << "A" << "" << PageReferences::included
                                              << "1) Question 1\rAnswer -> a1\r"
                                              << QStringList{"1) Question 1", "Answer -> a1"};
    QTest::newRow("no such letter") << "E" << "See page 3" << PageReferences::leftOut << "1) Question 1\r"
                                    << QStringList{"1) Question 1"};
    QTest::newRow("no such letter, references") << "b" << "See page 3" << PageReferences::included
                                                << "1) Question 1\r\rSee page 3"
                                                << QStringList{"1) Question 1", "See page 3"};
}

void QuickReportTest::entries()
{
    QFETCH(QString, answer);
    QFETCH(QString, notes);
    QFETCH(PageReferences, references);
    QFETCH(QString, entry);
    QFETCH(QStringList, lines);

    auto rows = rowsWith({answer}, {"B"});
    rows.front().question.notes = notes;
    QCOMPARE(quickReportEntry(1, rows.front(), references), entry);
    print::Composer composer;
    composeQuickReport(composer, rows, PrintSettings{}, score, chapterSet, references);
    QCOMPARE(entryLines(composer), lines);
}

// The header: the user's title when there is one (also an empty one), else
// by the set marker.
void QuickReportTest::headers_data()
{
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("ownTitle");
    QTest::addColumn<QString>("header");

    const QString untitledText(untitled);
    QTest::newRow("whole bank") << "Snore" << untitledText << "All Questions        ";
    QTest::newRow("multi-chapter test") << "Select" << untitledText << "Pump Week";
    QTest::newRow("chapter") << "Ropes" << untitledText << "Knots";
    QTest::newRow("wrong answers") << "Sneeze" << untitledText << "Knots";
    QTest::newRow("own title") << "Snore" << "Midterm" << "Midterm";
    QTest::newRow("own title left empty") << "Ropes" << "" << "";
}

void QuickReportTest::headers()
{
    QFETCH(QString, marker);
    QFETCH(QString, ownTitle);
    QFETCH(QString, header);

    PrintSettings settings;
    settings.headerTitle = ownTitle;
    print::Composer composer;
    composer.setColumnCount(4); // left by an earlier product
    composeQuickReport(composer, rowsWith({"A"}, {"B"}), settings, score,
                       {marker, QStringLiteral("Pump Week"), QStringLiteral("Knots")}, PageReferences::leftOut);
    QCOMPARE(composer.document().pages.front().header, header);
    QCOMPARE(composer.columnCount(), 1);
}

// Entries that do not fit below the cursor start a new page whole; the
// summary stays on the first page.
void QuickReportTest::anEntryIsNeverSplitAcrossPages()
{
    QStringList answers;
    QStringList picks;
    for (int i = 0; i < 80; ++i) {
        answers << QStringLiteral("A");
        picks << QStringLiteral("B");
    }
    auto rows = rowsWith(answers, picks);
    for (AnsweredQuestion& row : rows)
        row.question.notes = QStringLiteral("First line of notes\rsecond line\rthird line");
    print::Composer composer;
    composeQuickReport(composer, rows, PrintSettings{}, score, chapterSet, PageReferences::included);
    const print::Document& document = composer.document();
    QVERIFY(document.pages.size() > 2);
    QCOMPARE(printtest::bodyLines(document.pages.front(), composer.layout()).value(0),
             QStringLiteral("Starting Time: 4/17/2001 9:00:00 AM"));
    int entries = 0;
    for (std::size_t page = 1; page < document.pages.size(); ++page) {
        const QStringList lines = printtest::bodyLines(document.pages[page], composer.layout());
        QVERIFY2(lines.value(0).endsWith(QStringLiteral(") Question ") + lines.value(0).section(u')', 0, 0)),
                 qPrintable(lines.value(0)));
        QCOMPARE(lines.value(lines.size() - 1), QStringLiteral("third line"));
        entries += int(lines.filter(QStringLiteral(") Question ")).size());
    }
    entries += int(printtest::bodyLines(document.pages.front(), composer.layout())
                       .filter(QStringLiteral(") Question "))
                       .size());
    QCOMPARE(entries, 80);
}

void QuickReportTest::emptySetIsRefusedAndTheDocumentKept()
{
    print::Composer composer;
    composeQuickReport(composer, rowsWith({"A"}, {"B"}), PrintSettings{}, score, chapterSet,
                       PageReferences::leftOut);
    const print::Document before = composer.document();

    const PackageResult result = composeQuickReport(composer, {}, PrintSettings{}, score, chapterSet,
                                                    PageReferences::included);
    QCOMPARE(result.refusal, emptySetRefusal());
    QVERIFY(composer.document() == before);
}

// Positions go on past 32,767.
void QuickReportTest::numbersPassSixteenBits()
{
    QStringList answers;
    QStringList picks;
    for (int i = 0; i < 33000; ++i) {
        answers << QStringLiteral("A");
        picks << QStringLiteral("A");
    }
    picks.last() = QStringLiteral("C");
    print::Composer composer;
    composeQuickReport(composer, rowsWith(answers, picks), PrintSettings{}, score, chapterSet,
                       PageReferences::leftOut);
    QCOMPARE(entryLines(composer), (QStringList{"33000) Question 33000", "Answer -> a33000"}));
}

QTEST_MAIN(QuickReportTest)
#include "tst_quickreport.moc"
