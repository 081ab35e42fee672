#include "PageText.h"
#include "support/ErrorOf.h"
#include "support/TestText.h"

#include "platform/core/Errors.h"
#include "platform/print/Composer.h"

#include <QImage>
#include <QTest>

#include <algorithm>
#include <functional>
#include <set>

using print::Composer;
using print::PageFrame;
using testsupport::errorOf;

using Setting = std::function<void(Composer&)>;
Q_DECLARE_METATYPE(Setting)

namespace {

const QChar cr(u'\r');

// A composer with a document started and a first line written, so the
// first page is open.
struct Started {
    Composer composer;
    Started()
    {
        composer.startDocument();
        composer.writeLine(QStringLiteral("first"));
    }
};

QString longParagraph()
{
    const testsupport::TestQuestion q = testsupport::testQuestion(7);
    return q.question + QLatin1Char(' ') + q.question + QLatin1Char(' ') + q.question;
}

} // namespace

class ComposerTest : public QObject {
    Q_OBJECT

private slots:
    void measuringAgreesWithWriting_data();
    void measuringAgreesWithWriting();
    void keepTogether_data();
    void keepTogether();
    void lazyPageBreaks_data();
    void lazyPageBreaks();
    void blankLinesRunningOverTheLastPageAddNoPage();
    void headersBelongToTheirPages();
    void settingsOutliveTheDocument();
    void frames_data();
    void frames();
    void styleChangesInMidLine_data();
    void styleChangesInMidLine();
    void blanksKeptExactly_data();
    void blanksKeptExactly();
    void lineStartsAndEmptyLines_data();
    void lineStartsAndEmptyLines();
    void longTextWrapsWithinTheColumn();
    void columnsFlowDownThenAcross();
    void columnCountChangeStartsABandBelowTheDeepestText();
    void tableWithPicture();
    void tableThatDoesNotFitStartsANewPage();
    void refusedSettings_data();
    void refusedSettings();
};

// The height measured for an entry is exactly the height writing it takes,
// in one column and in narrow ones, whatever the entry holds.
void ComposerTest::measuringAgreesWithWriting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("columns");
    const QString entry = testsupport::testEntry(12, testsupport::testQuestion(12));
    for (int columns : {1, 4}) {
        const QByteArray in = " in " + QByteArray::number(columns);
        QTest::newRow(("empty" + in).constData()) << QString() << columns;
        QTest::newRow(("one line" + in).constData()) << QStringLiteral("one line") << columns;
        QTest::newRow(("CR, LF and CR LF" + in).constData()) << QStringLiteral("a\rb\r\nc\nd") << columns;
        QTest::newRow(("ends with a break" + in).constData()) << QStringLiteral("a\r") << columns;
        QTest::newRow(("only breaks" + in).constData()) << QStringLiteral("\r\r\r") << columns;
        QTest::newRow(("wrapping paragraph" + in).constData()) << longParagraph() << columns;
        QTest::newRow(("question entry" + in).constData()) << entry << columns;
        QTest::newRow(("word wider than the column" + in).constData()) << QString(400, u'W') << columns;
        QTest::newRow(("trailing blanks" + in).constData()) << QStringLiteral("answer") + QString(300, u' ')
                                                            << columns;
    }
}

void ComposerTest::measuringAgreesWithWriting()
{
    QFETCH(QString, text);
    QFETCH(int, columns);
    // One composer measures the entry, another only writes it, so the
    // height is checked against a write that owes nothing to the measure.
    Started measuring;
    Started writing;
    measuring.composer.setColumnCount(columns);
    writing.composer.setColumnCount(columns);
    const int before = writing.composer.fitUsed();
    measuring.composer.measureEntry(text);
    const int need = measuring.composer.fitNeed();
    writing.composer.writeLine(text);
    QVERIFY(need > 0);
    QCOMPARE(writing.composer.fitUsed() - before, need);

    // Writing what was just measured places it exactly as writing alone,
    // inline too when the text ends its last line itself.
    if (text.endsWith(cr))
        measuring.composer.writeInline(text);
    else
        measuring.composer.writeLine(text);
    measuring.composer.endDocument();
    writing.composer.endDocument();
    QCOMPARE(writing.composer.document().pages.size(), std::size_t(1));
    QVERIFY(measuring.composer.document() == writing.composer.document());
}

// An entry is broken to a new page only when it needs more room than is
// left; one that needs exactly the room left stays, and ends on the text
// area's last twip.
void ComposerTest::keepTogether_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("slack"); // room left minus room needed
    QTest::addColumn<bool>("breaks");
    const QString entry = testsupport::testEntry(3, testsupport::testQuestion(3));
    QTest::newRow("entry fits exactly") << entry << 0 << false;
    QTest::newRow("entry one twip short") << entry << -1 << true;
    QTest::newRow("entry with a twip to spare") << entry << 1 << false;
    QTest::newRow("one line fits exactly") << QStringLiteral("line\r") << 0 << false;
    QTest::newRow("one line one twip short") << QStringLiteral("line\r") << -1 << true;
    QTest::newRow("wrapping entry fits exactly") << longParagraph() + cr << 0 << false;
}

void ComposerTest::keepTogether()
{
    QFETCH(QString, entry);
    QFETCH(int, slack);
    QFETCH(bool, breaks);
    Started s;
    Composer& c = s.composer;
    c.measureEntry(entry);
    c.setPositionY(c.fitLimit() - c.fitNeed() - slack);

    c.measureEntry(entry);
    const bool doesNotFit = c.fitNeed() > c.fitLimit() - c.fitUsed();
    QCOMPARE(doesNotFit, breaks);
    if (doesNotFit)
        c.breakPage();
    c.writeInline(entry);
    if (!breaks)
        QCOMPARE(c.fitUsed(), c.fitLimit() - slack);
    c.endDocument();

    const auto& pages = c.document().pages;
    QCOMPARE(pages.size(), std::size_t(breaks ? 2 : 1));
    // The whole entry is on the last page: no line of it was split off.
    const QStringList last = printtest::bodyLines(pages.back(), c.layout());
    QVERIFY(last.join(QString()).endsWith(QString(entry).remove(cr)));
    if (breaks)
        QCOMPARE(printtest::bodyLines(pages.front(), c.layout()), QStringList{QStringLiteral("first")});
}

// A page is opened by what is written on it, never by a break alone: no
// blank page at the end, none for two breaks in a row. A started document
// ends with at least one page.
void ComposerTest::lazyPageBreaks_data()
{
    // L writeLine, I writeInline without a line end, B breakPage,
    // P setPositionY, T an empty table placed.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("pages");
    QTest::newRow("nothing written") << "" << 1;
    QTest::newRow("only a break") << "B" << 1;
    QTest::newRow("break at the end") << "LB" << 1;
    QTest::newRow("two breaks at the end") << "LBB" << 1;
    QTest::newRow("text after a break") << "LBL" << 2;
    QTest::newRow("text after two breaks") << "LBBL" << 2;
    QTest::newRow("break before any text") << "BL" << 1;
    QTest::newRow("unfinished line goes on the page") << "IB" << 1;
    QTest::newRow("position after a break opens the page") << "LBP" << 2;
    QTest::newRow("table after a break opens the page") << "LBT" << 2;
}

void ComposerTest::lazyPageBreaks()
{
    QFETCH(QString, steps);
    QFETCH(int, pages);
    Composer c;
    c.startDocument();
    for (QChar step : steps) {
        switch (step.unicode()) {
        case u'L': c.writeLine(QStringLiteral("line")); break;
        case u'I': c.writeInline(QStringLiteral("inline")); break;
        case u'B': c.breakPage(); break;
        case u'P': c.setPositionY(4000); break;
        case u'T':
            c.openTable();
            c.tableSetting(print::tablecode::rows, 0, 0, 1);
            c.tableSetting(print::tablecode::columns, 0, 0, 1);
            c.closeTable();
            break;
        }
    }
    c.endDocument();
    QCOMPARE(int(c.document().pages.size()), pages);
}

// A page filled to its last line and followed only by blank lines ends the
// document (or the product before a break) without a page of nothing but its
// header; text after them still goes on the next page.
void ComposerTest::blankLinesRunningOverTheLastPageAddNoPage()
{
    int perPage = 0;
    {
        Composer c;
        c.startDocument();
        for (int lines = 1; c.document().pages.empty(); ++lines) {
            c.writeLine(QStringLiteral("line"));
            perPage = lines - 1;
        }
    }
    QVERIFY(perPage > 10);
    for (const QString& after : {QString(), QStringLiteral("more")}) {
        for (bool breakAfter : {false, true}) {
            Composer c;
            c.setHeaderText(QStringLiteral("Head"));
            c.startDocument();
            for (int i = 0; i < perPage; ++i)
                c.writeLine(QStringLiteral("line"));
            c.writeLine(QString());
            c.writeLine(QStringLiteral("  "));
            if (breakAfter)
                c.breakPage();
            if (!after.isEmpty())
                c.writeLine(after);
            c.endDocument();
            const auto& pages = c.document().pages;
            QCOMPARE(int(pages.size()), after.isEmpty() ? 1 : 2);
            QCOMPARE(int(printtest::bodyLines(pages.front(), c.layout()).filter(QStringLiteral("line")).size()),
                     perPage);
            if (!after.isEmpty())
                QVERIFY(printtest::bodyLines(pages.back(), c.layout()).contains(after));
        }
    }
}

// Header, footer and frame are taken when a page is closed: a header set
// after the first paragraph still heads the first page, one set after a
// break heads the next page and not the one before.
void ComposerTest::headersBelongToTheirPages()
{
    Composer c;
    c.startDocument();
    c.setHeaderText(QStringLiteral("Set before"));
    c.writeLine(QString());
    c.setHeaderText(QStringLiteral("All Questions        "));
    c.setFooterText(QStringLiteral("Page foot"));
    c.writeLine(QStringLiteral("question"));
    c.breakPage();
    c.setHeaderText(QStringLiteral("These Are The Answers For:  Ladders"));
    c.setFooterText(QString());
    c.writeLine(QStringLiteral("1)    A"));
    c.endDocument();

    const auto& pages = c.document().pages;
    QCOMPARE(pages.size(), std::size_t(2));
    QCOMPARE(pages[0].header, QStringLiteral("All Questions        "));
    QCOMPARE(pages[0].footer, QStringLiteral("Page foot"));
    QCOMPARE(pages[1].header, QStringLiteral("These Are The Answers For:  Ladders"));
    QCOMPARE(pages[1].footer, QString());
    // The header is drawn in the top margin in the header's font, blanks and
    // all; the footer in the bottom margin.
    auto runAt = [](const print::Page& page, auto test) {
        for (const print::TextRun& run : page.runs)
            if (test(run))
                return run.text;
        return QString();
    };
    const print::PageLayout& layout = c.layout();
    QCOMPARE(runAt(pages[0], [&](const auto& run) { return run.top == layout.headerTop; }),
             QStringLiteral("All Questions        "));
    QCOMPARE(runAt(pages[0], [&](const auto& run) { return run.top >= layout.textBottom(); }),
             QStringLiteral("Page foot"));
    QCOMPARE(runAt(pages[1], [&](const auto& run) { return run.top >= layout.textBottom(); }), QString());
}

// A product sets only what it names; the rest comes from the product before.
void ComposerTest::settingsOutliveTheDocument()
{
    Composer c;
    c.startDocument();
    c.setHeaderText(QStringLiteral("Ladders"));
    c.setColumnCount(4);
    c.setPageFrame(4);
    c.setBodyFontSize(11);
    c.writeLine(QStringLiteral("x"));
    c.endDocument();

    c.startDocument();
    QVERIFY(c.document().pages.empty());
    c.writeLine(QStringLiteral("y"));
    c.endDocument();
    const print::Page& page = c.document().pages.at(0);
    QCOMPARE(page.header, QStringLiteral("Ladders"));
    QCOMPARE(page.frame, PageFrame::box);
    QCOMPARE(c.columnCount(), 4);
    QCOMPARE(c.bodyStyle().pointSize, 11.0);
}

// The frames 0 to 5 around the text area, and the rules between columns of
// frame 5 in each band of columns.
void ComposerTest::frames_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<bool>("top");
    QTest::addColumn<bool>("bottom");
    QTest::addColumn<bool>("sides");
    QTest::addColumn<int>("columnRules");
    QTest::newRow("0 none") << 0 << false << false << false << 0;
    QTest::newRow("1 bottom") << 1 << false << true << false << 0;
    QTest::newRow("2 top") << 2 << true << false << false << 0;
    QTest::newRow("3 top and bottom") << 3 << true << true << false << 0;
    QTest::newRow("4 box") << 4 << true << true << true << 0;
    // Two bands: three rules between four columns, then one between two.
    QTest::newRow("5 columns") << 5 << true << true << true << 4;
}

void ComposerTest::frames()
{
    QFETCH(int, frame);
    QFETCH(bool, top);
    QFETCH(bool, bottom);
    QFETCH(bool, sides);
    QFETCH(int, columnRules);
    Composer c;
    c.startDocument();
    c.setPageFrame(frame);
    c.setColumnCount(4);
    for (int i = 0; i < 6; ++i)
        c.writeLine(QStringLiteral("four"));
    c.setColumnCount(2);
    c.writeLine(QStringLiteral("two"));
    c.breakPage();
    c.setPageFrame(0);
    c.writeLine(QStringLiteral("unframed"));
    c.endDocument();

    const print::PageLayout& l = c.layout();
    const int left = l.textLeft() - l.frameOffset;
    const int right = l.textRight() + l.frameOffset;
    const int upper = l.textTop() - l.frameOffset;
    const int lower = l.textBottom() + l.frameOffset;
    const auto& rules = c.document().pages.at(0).rules;
    auto has = [&](print::Rule rule) { return std::find(rules.begin(), rules.end(), rule) != rules.end(); };
    QCOMPARE(has({left, upper, right, upper}), top);
    QCOMPARE(has({left, lower, right, lower}), bottom);
    QCOMPARE(has({left, upper, left, lower}), sides);
    QCOMPARE(has({right, upper, right, lower}), sides);
    int between = 0;
    for (const print::Rule& rule : rules)
        between += rule.x1 == rule.x2 && rule.x1 > left && rule.x1 < right;
    QCOMPARE(between, columnRules);
    QCOMPARE(int(c.document().pages.at(0).frame), frame);
    // The frame set after the break is the second page's alone.
    QVERIFY(c.document().pages.at(1).rules.empty());
}

// Bold and colour change within a line: the correction key's bold X stands
// in the row between plain letters, on the same line, in writing order.
void ComposerTest::styleChangesInMidLine_data()
{
    QTest::addColumn<int>("position"); // where the bold X goes, 0 to 3
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("A") << 0 << QStringList{"1)  ", "X    ", "B    C    D    "};
    QTest::newRow("B") << 1 << QStringList{"1)  A    ", "X    ", "C    D    "};
    QTest::newRow("D") << 3 << QStringList{"1)  A    B    C    ", "X    "};
}

void ComposerTest::styleChangesInMidLine()
{
    QFETCH(int, position);
    QFETCH(QStringList, texts);
    Composer c;
    c.startDocument();
    c.writeInline(QStringLiteral("1)  "));
    for (int i = 0; i < 4; ++i) {
        if (i == position) {
            c.setBodyBold(true);
            c.setBodyTextColor(0x0000FF);
            c.writeInline(QStringLiteral("X    "));
            c.setBodyBold(false);
            c.setBodyTextColor(0);
        } else {
            c.writeInline(QString(QChar(u'A' + i)) + QStringLiteral("    "));
        }
    }
    c.writeInline(QString(cr));
    c.writeLine(QString());
    c.endDocument();

    std::vector<print::TextRun> body;
    for (const print::TextRun& run : c.document().pages.at(0).runs)
        if (run.top >= c.layout().textTop())
            body.push_back(run);
    QCOMPARE(int(body.size()), texts.size());
    for (std::size_t i = 0; i < body.size(); ++i) {
        const bool x = body[i].text.startsWith(u'X');
        QCOMPARE(body[i].text, texts[int(i)]);
        QCOMPARE(body[i].style.bold, x);
        QCOMPARE(body[i].style.color, x ? 0x0000FFu : 0u);
        QCOMPARE(body[i].top, body[0].top);
        if (i > 0) // each piece starts where the one before ends
            QVERIFY(qAbs(body[i].x - (body[i - 1].x + body[i - 1].width)) <= 1);
    }
}

// Blanks are text like any other: none dropped, none added, none squeezed,
// at the start, in the middle or at the end of a line.
void ComposerTest::blanksKeptExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("answer sheet row") << QStringLiteral("1)  A    B    C    D    ");
    QTest::newRow("leading blanks") << QStringLiteral("    indented");
    QTest::newRow("runs of blanks") << QStringLiteral("a  b   c    d");
    QTest::newRow("trailing blanks") << QStringLiteral("All Questions        ");
    QTest::newRow("only blanks") << QStringLiteral("     ");
    QTest::newRow("a single blank") << QStringLiteral(" ");
}

void ComposerTest::blanksKeptExactly()
{
    QFETCH(QString, text);
    Composer c;
    c.startDocument();
    c.writeLine(text);
    c.endDocument();
    QCOMPARE(printtest::bodyLines(c.document().pages.at(0), c.layout()), QStringList{text});
}

// writeLine is a paragraph of its own: it ends an unfinished line first,
// and an empty one is one empty line; a text ending in a line break is not
// given a second one. fitUsed tells how far the cursor went.
void ComposerTest::lineStartsAndEmptyLines_data()
{
    QTest::addColumn<QString>("steps"); // I:text inline, L:text line
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("heights"); // lines the cursor moved down
    QTest::newRow("empty paragraph") << "L:" << QStringList{} << 1;
    QTest::newRow("answer sheet row and its empty paragraph") << "I:1)  |I:A    |I:\r|L:" << QStringList{"1)  A    "}
                                                              << 2;
    QTest::newRow("paragraph ends an unfinished line") << "I:abc|L:def" << QStringList{"abc", "def"} << 2;
    QTest::newRow("paragraph ending in a break") << "L:abc\r" << QStringList{"abc"} << 1;
    QTest::newRow("answer list line and blank paragraph") << "L:1)    A|L: " << QStringList{"1)    A", " "} << 2;
    QTest::newRow("inline pieces join one line") << "I:ab|I:cd|I:\r" << QStringList{"abcd"} << 1;
}

void ComposerTest::lineStartsAndEmptyLines()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, lines);
    QFETCH(int, heights);
    Composer c;
    c.startDocument();
    c.writeLine(QStringLiteral("top"));
    const int before = c.fitUsed();
    c.measureEntry(QStringLiteral("x"));
    const int lineHeight = c.fitNeed();
    for (const QString& step : steps.split(u'|')) {
        const QString text = step.mid(2);
        if (step.startsWith(u'I'))
            c.writeInline(text);
        else
            c.writeLine(text);
    }
    QCOMPARE(c.fitUsed() - before, heights * lineHeight);
    c.endDocument();
    QStringList body = printtest::bodyLines(c.document().pages.at(0), c.layout());
    body.removeFirst();
    QCOMPARE(body, lines);
}

void ComposerTest::longTextWrapsWithinTheColumn()
{
    Composer c;
    c.startDocument();
    c.setColumnCount(2);
    const QString text = longParagraph();
    c.writeLine(text);
    c.endDocument();
    const print::PageLayout& l = c.layout();
    const QStringList lines = printtest::bodyLines(c.document().pages.at(0), l, 2);
    QVERIFY(lines.size() > 3);
    // Broken only at blanks, which stay at the end of the line above.
    QCOMPARE(lines.join(QString()), text);
    for (const QString& line : lines.mid(1))
        QVERIFY(!line.startsWith(u' '));
    for (const print::TextRun& run : c.document().pages.at(0).runs) {
        if (run.top < l.textTop())
            continue;
        QCOMPARE(run.x, l.textLeft());
        // Only the blanks after the last word may reach past the edge.
        QVERIFY(run.width <= l.columnWidth(2) || run.text.endsWith(u' '));
    }
}

// The answer list's eight columns: down the first column, then the next,
// then on to the next page; the reading order is the writing order.
void ComposerTest::columnsFlowDownThenAcross()
{
    Composer c;
    c.startDocument();
    c.setColumnCount(8);
    c.measureEntry(QStringLiteral("1)    A"));
    const int perColumn = (c.fitLimit() - c.fitUsed()) / c.fitNeed();
    QStringList written;
    for (int i = 1; i <= 600; ++i) {
        const QString line = QString::number(i) + QStringLiteral(")    ") + QChar(u'A' + i % 4);
        c.writeLine(line);
        c.writeLine(QStringLiteral(" "));
        written << line << QStringLiteral(" ");
    }
    c.endDocument();
    const print::PageLayout& l = c.layout();
    QCOMPARE(printtest::documentLines(c.document(), l, 8), written);
    QCOMPARE(int(c.document().pages.size()), (1200 + 8 * perColumn - 1) / (8 * perColumn));
    // Every column of the first page is used, each run inside its column.
    std::set<int> columns;
    for (const print::TextRun& run : c.document().pages.at(0).runs) {
        if (run.top < l.textTop())
            continue;
        const int column = printtest::columnOf(l, 8, run.x);
        columns.insert(column);
        QCOMPARE(run.x, l.columnLeft(8, column));
        QVERIFY(run.top + run.height <= l.textBottom());
    }
    QCOMPARE(columns.size(), std::size_t(8));
}

void ComposerTest::columnCountChangeStartsABandBelowTheDeepestText()
{
    Composer c;
    c.startDocument();
    c.setColumnCount(2);
    // The first column runs deeper than the second.
    c.measureEntry(QStringLiteral("x"));
    const int line = c.fitNeed();
    const int rows = (c.fitLimit() - c.fitUsed()) / line;
    for (int i = 0; i < rows + 2; ++i)
        c.writeLine(QStringLiteral("two"));
    const int deepest = c.layout().textTop() + rows * line;
    c.setColumnCount(1);
    QCOMPARE(c.fitUsed(), deepest);
    c.writeLine(QStringLiteral("one"));
    c.endDocument();
    const auto& pages = c.document().pages;
    // The band below the full first column has no room left: the line goes
    // to the next page rather than over the text.
    QCOMPARE(pages.size(), std::size_t(2));
    QCOMPARE(printtest::bodyLines(pages[1], c.layout()), QStringList{QStringLiteral("one")});

    Composer d;
    d.startDocument();
    d.writeLine(QStringLiteral("a"));
    d.writeLine(QStringLiteral("b"));
    d.setColumnCount(4);
    const int bandTop = d.fitUsed();
    d.writeLine(QStringLiteral("c"));
    d.endDocument();
    const print::TextRun& last = d.document().pages.at(0).runs.back();
    QCOMPARE(last.text, QStringLiteral("c"));
    QCOMPARE(last.top, bandTop);
    QCOMPARE(bandTop, d.layout().textTop() + 2 * line);
}

// The album's table: four rows, two columns, text rows and picture rows;
// a picture is scaled into its cell keeping its shape, centred.
void ComposerTest::tableWithPicture()
{
    using namespace print::tablecode;
    Composer c;
    c.startDocument();
    c.writeLine(QStringLiteral("before"));
    const int top = c.fitUsed();
    QImage picture(400, 100, QImage::Format_RGB32);
    picture.fill(Qt::red);
    c.openTable();
    c.tableSetting(indent, 0, 0, 360);
    c.tableSetting(rows, 0, 0, 4);
    c.tableSetting(columns, 0, 0, 2);
    c.tableSetting(columnWidth, -1, 0, QStringLiteral("3in"));
    c.tableSetting(rowHeight, 2, 0, QStringLiteral("2.5in"));
    c.tableSetting(cellText, 1, 1, QStringLiteral("\r1) Which ladder?"));
    c.tableSetting(cellPicture, 2, 1, picture);
    c.tableSetting(pictureFit, 2, 1, fitStretchKeepShape);
    c.closeTable();
    c.endDocument();

    const print::Page& page = c.document().pages.at(0);
    QCOMPARE(page.pictures.size(), std::size_t(1));
    const print::PictureItem& item = page.pictures.front();
    const int cellLeft = c.layout().textLeft() + 360;
    QVERIFY(item.x > cellLeft && item.x + item.width < cellLeft + 4320);
    QCOMPARE(item.width, 4 * item.height);
    QVERIFY(item.width > 4000); // scaled up to the cell's width, not left small
    QVERIFY(item.top > top);
    QVERIFY(printtest::bodyLines(page, c.layout()).contains(QStringLiteral("1) Which ladder?")));
    QCOMPARE(item.image, picture);
}

void ComposerTest::tableThatDoesNotFitStartsANewPage()
{
    using namespace print::tablecode;
    Composer c;
    c.startDocument();
    c.setPositionY(c.fitLimit() - 2000);
    c.writeLine(QStringLiteral("low on the page"));
    c.openTable();
    c.tableSetting(rows, 0, 0, 2);
    c.tableSetting(columns, 0, 0, 1);
    c.tableSetting(rowHeight, 1, 0, QStringLiteral("1in"));
    c.tableSetting(rowHeight, 2, 0, QStringLiteral("1in"));
    c.closeTable();
    c.endDocument();
    const auto& pages = c.document().pages;
    QCOMPARE(pages.size(), std::size_t(2));
    QVERIFY(pages[0].rules.empty());
    QCOMPARE(pages[1].rules.front().y1, c.layout().textTop());
}

// A value out of range is refused with the invalid-property error and
// changes nothing.
void ComposerTest::refusedSettings_data()
{
    QTest::addColumn<Setting>("set");
    QTest::newRow("no columns") << Setting([](Composer& c) { c.setColumnCount(0); });
    QTest::newRow("33 columns") << Setting([](Composer& c) { c.setColumnCount(33); });
    QTest::newRow("frame 6") << Setting([](Composer& c) { c.setPageFrame(6); });
    QTest::newRow("frame -1") << Setting([](Composer& c) { c.setPageFrame(-1); });
    QTest::newRow("font size 0") << Setting([](Composer& c) { c.setBodyFontSize(0); });
    QTest::newRow("negative header size") << Setting([](Composer& c) {
        c.setHeaderFontSize(-3);
    });
    QTest::newRow("system colour") << Setting([](Composer& c) {
        c.setBodyTextColor(0x8000000D);
    });
    QTest::newRow("negative colour") << Setting([](Composer& c) {
        c.setHeaderTextColor(-1);
    });
    QTest::newRow("position above the page") << Setting([](Composer& c) {
        c.setPositionY(-1);
    });
    QTest::newRow("table cell outside the table") << Setting([](Composer& c) {
        c.openTable();
        c.tableSetting(print::tablecode::rows, 0, 0, 2);
        c.tableSetting(print::tablecode::columns, 0, 0, 2);
        c.tableSetting(print::tablecode::cellText, 3, 1, QStringLiteral("x"));
    });
    QTest::newRow("unknown table code") << Setting([](Composer& c) {
        c.openTable();
        c.tableSetting(99, 0, 0, 1);
    });
    QTest::newRow("length without a number") << Setting([](Composer& c) {
        c.openTable();
        c.tableSetting(print::tablecode::columnWidth, -1, 0, QStringLiteral("in"));
    });
}

void ComposerTest::refusedSettings()
{
    QFETCH(Setting, set);
    Composer c;
    c.startDocument();
    c.writeLine(QStringLiteral("x"));
    const int used = c.fitUsed();
    QCOMPARE(errorOf([&] { set(c); }), platform::errors::invalidPropertyValue.number);
    QCOMPARE(c.columnCount(), 1);
    QCOMPARE(c.pageFrame(), PageFrame::none);
    QCOMPARE(c.bodyStyle().pointSize, 10.0);
    QCOMPARE(c.headerStyle().pointSize, 12.0);
    QCOMPARE(c.bodyStyle().color, 0u);
    QCOMPARE(c.fitUsed(), used);
}

QTEST_MAIN(ComposerTest)
#include "tst_composer.moc"
