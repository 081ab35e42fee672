#include "../platform/print/PageText.h"

#include "platform/print/Composer.h"
#include "printing/TermPrintouts.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <climits>

using namespace printing;

Q_DECLARE_METATYPE(printing::TermPrintout)
Q_DECLARE_METATYPE(printing::TermRow)

namespace {

const QString line87 = QString(87, u'_');
const QString line82 = QString(82, u'_');

const TermRow nozzle{QStringLiteral("Nozzle"), QStringLiteral("Shapes the stream."), QStringLiteral("Hose")};
const TermRow carry{QStringLiteral("Fireman's carry"), QStringLiteral("Carrying a victim over the shoulders."),
                    QStringLiteral("Rescue")};

// Term n is "Term n", its definition "Definition of term n".
std::vector<TermRow> rowsOf(int count)
{
    std::vector<TermRow> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back({QStringLiteral("Term %1").arg(i), QStringLiteral("Definition of term %1").arg(i),
                        QStringLiteral("Chapter")});
    return rows;
}

// The non-blank body lines of each page. A writing line wider than the page
// wraps; its pieces are joined again.
QList<QStringList> pageLines(const print::Composer& composer)
{
    static const QRegularExpression underscores(QStringLiteral("^_+$"));
    QList<QStringList> pages;
    for (const print::Page& page : composer.document().pages) {
        QStringList lines;
        for (const QString& line : printtest::bodyLines(page, composer.layout())) {
            const QString text = line.trimmed();
            if (text.isEmpty())
                continue;
            if (underscores.match(text).hasMatch() && !lines.isEmpty()
                && (lines.last().endsWith(u'_') || lines.last() == QLatin1String("What is")))
                lines.last() += (lines.last().endsWith(u'_') ? QString() : QStringLiteral(" ")) + text;
            else
                lines << text;
        }
        pages << lines;
    }
    return pages;
}

} // namespace

// The glossary and the two terminology tests, composed into a document.
class TermPrintoutsTest : public QObject {
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void headers_data();
    void headers();
    void testsPutTheKeyOnAPageOfItsOwn_data();
    void testsPutTheKeyOnAPageOfItsOwn();
    void glossaryHasNoNumbersAndNoKey();
    void progressFollowsEachPass_data();
    void progressFollowsEachPass();
    void aBrokenPageBeginsWithTwoBlankParagraphs();
    void settingsThatAreNoNumbersAreNamed();
};

// Each entry exactly, blanks and breaks included.
void TermPrintoutsTest::entries_data()
{
    QTest::addColumn<TermPrintout>("printout");
    QTest::addColumn<bool>("key");
    QTest::addColumn<int>("number");
    QTest::addColumn<TermRow>("row");
    QTest::addColumn<QString>("expected");
    using P = TermPrintout;
    QTest::newRow("glossary") << P::glossary << false << 1 << nozzle
                              << QStringLiteral("Nozzle  -  Shapes the stream.\r\r");
    QTest::newRow("glossary, apostrophe") << P::glossary << false << 7 << carry
                                          << QStringLiteral("Fireman's carry  -  Carrying a victim over the "
                                                            "shoulders.\r\r");
    QTest::newRow("written question") << P::writtenTest << false << 3 << nozzle
                                      << QStringLiteral("3) Nozzle  - \r\r") + line87 + QStringLiteral("\r\r");
    QTest::newRow("written key") << P::writtenTest << true << 3 << nozzle
                                 << QStringLiteral("3)     Shapes the stream.\r\r");
    QTest::newRow("jeopardy question")
        << P::jeopardyTest << false << 12 << nozzle
        << QStringLiteral("12) Shapes the stream.  - \r\rWhat is ") + line82 + QStringLiteral("\r\r");
    QTest::newRow("jeopardy key") << P::jeopardyTest << true << 12 << nozzle << QStringLiteral("12)     Nozzle\r\r");
    QTest::newRow("past sixteen bits") << P::jeopardyTest << true << 40000 << carry
                                       << QStringLiteral("40000)     Fireman's carry\r\r");
}

void TermPrintoutsTest::entries()
{
    QFETCH(TermPrintout, printout);
    QFETCH(bool, key);
    QFETCH(int, number);
    QFETCH(TermRow, row);
    QFETCH(QString, expected);
    QCOMPARE(key ? termKeyEntry(printout, number, row) : termQuestionEntry(printout, number, row), expected);
}

void TermPrintoutsTest::headers_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("header");
    QTest::newRow("invitation") << QStringLiteral("Enter A Test Title Here!")
                                << QStringLiteral("Raze Verudev E/RE Drillmate Version 4.1");
    QTest::newRow("own title") << QStringLiteral("Station 4 terms") << QStringLiteral("Station 4 terms");
    QTest::newRow("empty title") << QString() << QString();
    QTest::newRow("invitation in other case") << QStringLiteral("enter a test title here!")
                                              << QStringLiteral("enter a test title here!");
}

// Every page of every printout carries the header.
void TermPrintoutsTest::headers()
{
    QFETCH(QString, title);
    QFETCH(QString, header);
    PrintSettings settings;
    settings.headerTitle = title;
    for (TermPrintout printout : {TermPrintout::glossary, TermPrintout::writtenTest, TermPrintout::jeopardyTest}) {
        print::Composer composer;
        composeTermPrintout(composer, printout, rowsOf(2), settings);
        QVERIFY(!composer.document().pages.empty());
        for (const print::Page& page : composer.document().pages)
            QCOMPARE(page.header, header);
    }
}

void TermPrintoutsTest::testsPutTheKeyOnAPageOfItsOwn_data()
{
    QTest::addColumn<TermPrintout>("printout");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QStringList>("key");
    QTest::newRow("written") << TermPrintout::writtenTest
                             << QStringList{"1) Term 1  -", line87, "2) Term 2  -", line87, "3) Term 3  -", line87}
                             << QStringList{"1)     Definition of term 1", "2)     Definition of term 2",
                                            "3)     Definition of term 3"};
    QTest::newRow("jeopardy") << TermPrintout::jeopardyTest
                              << QStringList{"1) Definition of term 1  -", "What is " + line82,
                                             "2) Definition of term 2  -", "What is " + line82,
                                             "3) Definition of term 3  -", "What is " + line82}
                              << QStringList{"1)     Term 1", "2)     Term 2", "3)     Term 3"};
}

// Three questions numbered from 1, then a new page with the key for the
// same rows in the same order.
void TermPrintoutsTest::testsPutTheKeyOnAPageOfItsOwn()
{
    QFETCH(TermPrintout, printout);
    QFETCH(QStringList, questions);
    QFETCH(QStringList, key);
    print::Composer composer;
    composeTermPrintout(composer, printout, rowsOf(3), PrintSettings{});
    QCOMPARE(pageLines(composer), (QList<QStringList>{questions, key}));
}

void TermPrintoutsTest::glossaryHasNoNumbersAndNoKey()
{
    print::Composer composer;
    composeTermPrintout(composer, TermPrintout::glossary, {nozzle, carry}, PrintSettings{});
    const QList<QStringList> pages = pageLines(composer);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.value(0).size(), 2);
    QVERIFY(pages.value(0).value(0).startsWith(QStringLiteral("Nozzle  -  Shapes")));
    QVERIFY(pages.value(0).value(1).startsWith(QStringLiteral("Fireman's carry  -  Carrying")));
}

void TermPrintoutsTest::progressFollowsEachPass_data()
{
    QTest::addColumn<TermPrintout>("printout");
    QTest::addColumn<QList<double>>("heard");
    QTest::newRow("glossary") << TermPrintout::glossary << QList<double>{25, 50, 75, 100};
    QTest::newRow("written, the key's pass starts again")
        << TermPrintout::writtenTest << QList<double>{25, 50, 75, 100, 25, 50, 75, 100};
    QTest::newRow("jeopardy") << TermPrintout::jeopardyTest << QList<double>{25, 50, 75, 100, 25, 50, 75, 100};
}

// The progress bar hears how far each pass over the rows has come.
void TermPrintoutsTest::progressFollowsEachPass()
{
    QFETCH(TermPrintout, printout);
    QFETCH(QList<double>, heard);
    print::Composer composer;
    QList<double> percents;
    composeTermPrintout(composer, printout, rowsOf(4), PrintSettings{}, [&](double percent) { percents << percent; });
    QCOMPARE(percents, heard);
}

// Entries are never split: the first entry of a following page stands below
// two blank paragraphs, as on the first page.
void TermPrintoutsTest::aBrokenPageBeginsWithTwoBlankParagraphs()
{
    print::Composer composer;
    composeTermPrintout(composer, TermPrintout::writtenTest, rowsOf(40), PrintSettings{});
    const std::vector<print::Page>& pages = composer.document().pages;
    QVERIFY(pages.size() >= 3);
    const auto firstTextTop = [&](const print::Page& page) {
        int top = INT_MAX;
        for (const print::TextRun& run : page.runs)
            if (!run.text.trimmed().isEmpty() && run.top >= composer.layout().textTop())
                top = std::min(top, run.top);
        return top;
    };
    for (const print::Page& page : pages)
        QCOMPARE(firstTextTop(page), firstTextTop(pages.front()));
    // Every question's writing line stays with its term.
    for (const QStringList& page : pageLines(composer)) {
        if (page.value(0).contains(QStringLiteral("Definition of")))
            break; // the key
        QCOMPARE(page.size() % 2, 0);
        QCOMPARE(page.value(page.size() - 1), line87);
    }
}

void TermPrintoutsTest::settingsThatAreNoNumbersAreNamed()
{
    PrintSettings settings;
    settings.size = QStringLiteral("big");
    print::Composer composer;
    const QStringList replaced = composeTermPrintout(composer, TermPrintout::glossary, {nozzle}, settings);
    QCOMPARE(replaced, QStringList{QStringLiteral("font size")});
    QCOMPARE(pageLines(composer).value(0).size(), 1);
}

QTEST_MAIN(TermPrintoutsTest)
#include "tst_termprintouts.moc"
