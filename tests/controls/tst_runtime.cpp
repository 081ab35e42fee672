// The suite runtime the controls link: edit buffers, numbers from text, the
// date normaliser, frames, the clipboard and the caret.
#include "controls/runtime/Caret.h"
#include "controls/runtime/Clipboard.h"
#include "controls/runtime/DateNormalizer.h"
#include "controls/runtime/Drawing.h"
#include "controls/runtime/TextBuffer.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include <array>
#include <cstring>
#include <limits>

class tst_Runtime : public QObject {
    Q_OBJECT

private slots:
    void insertReplacesTheSelection_data();
    void insertReplacesTheSelection();
    void numberFromText_data();
    void numberFromText();
    void dayNumbers_data();
    void dayNumbers();
    void normaliserCarriesDaysAndMonths_data();
    void normaliserCarriesDaysAndMonths();
    void normaliserRefusesYearsOutsideTheCalendar_data();
    void normaliserRefusesYearsOutsideTheCalendar();
    void innerRectangle_data();
    void innerRectangle();
    void frameStyles_data();
    void frameStyles();
    void clipboardCopyAndPaste();
    void eachCaretBlinksOnItsOwn();
};

namespace {

using Buffer = std::array<char, qvrun::kBufferBytes>;

Buffer bufferOf(const QByteArray& text)
{
    Buffer buffer{};
    std::memcpy(buffer.data(), text.constData(), size_t(std::min<qsizetype>(text.size(), qvrun::kBufferChars)));
    return buffer;
}

} // namespace

void tst_Runtime::insertReplacesTheSelection_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selection");
    QTest::addColumn<QByteArray>("inserted");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("newCaret");

    QTest::newRow("replace month") << QByteArray("04/17/2001") << 0 << 2 << QByteArray("12")
                                   << QByteArray("12/17/2001") << 2;
    QTest::newRow("append") << QByteArray("abc") << 3 << 0 << QByteArray("de") << QByteArray("abcde") << 5;
    QTest::newRow("delete only") << QByteArray("abcdef") << 2 << 2 << QByteArray() << QByteArray("abef") << 2;
    QTest::newRow("caret past the end") << QByteArray("abc") << 10 << 0 << QByteArray("d") << QByteArray("abcd") << 4;
    QTest::newRow("selection past the end") << QByteArray("abc") << 1 << 5 << QByteArray("d") << QByteArray("ad")
                                            << 2;
    QTest::newRow("backward selection") << QByteArray("abc") << 3 << -2 << QByteArray("Z") << QByteArray("aZ") << 2;
    QTest::newRow("full buffer takes nothing") << QByteArray(1024, 'x') << 0 << 0 << QByteArray("y")
                                               << QByteArray(1024, 'x') << 0;
    QTest::newRow("cut to the room left") << QByteArray(1022, 'x') << 1022 << 0 << QByteArray("abc")
                                          << QByteArray(1022, 'x') + "ab" << 1024;
}

void tst_Runtime::insertReplacesTheSelection()
{
    QFETCH(QByteArray, text);
    QFETCH(int, caret);
    QFETCH(int, selection);
    QFETCH(QByteArray, inserted);
    QFETCH(QByteArray, expected);
    QFETCH(int, newCaret);

    Buffer buffer = bufferOf(text);
    QCOMPARE(qvrun::insertText(buffer.data(), caret, selection, inserted.constData()), newCaret);
    QCOMPARE(QByteArray(buffer.data()), expected);
    QCOMPARE(buffer.back(), '\0');
}

void tst_Runtime::numberFromText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("day number") << QByteArray("2451545") << 2451545;
    QTest::newRow("blanks, sign and tail") << QByteArray("  -12x") << -12;
    QTest::newRow("plus") << QByteArray("+7") << 7;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("no digits") << QByteArray("abc") << 0;
    QTest::newRow("beyond 32 bits") << QByteArray("99999999999") << std::numeric_limits<int>::max();
    QTest::newRow("below 32 bits") << QByteArray("-99999999999") << std::numeric_limits<int>::min();
}

void tst_Runtime::numberFromText()
{
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    QCOMPARE(qvrun::numberFromText(text.constData()), expected);
}

void tst_Runtime::dayNumbers_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<long>("expected");

    QTest::newRow("1/1/1") << 1 << 1 << 1 << 1721426L;
    QTest::newRow("10/15/1582") << 1582 << 10 << 15 << 2299161L;
    QTest::newRow("1/1/1970") << 1970 << 1 << 1 << 2440588L;
    QTest::newRow("1/1/2000") << 2000 << 1 << 1 << 2451545L;
    QTest::newRow("2/29/2000") << 2000 << 2 << 29 << 2451604L;
    QTest::newRow("4/17/2001") << 2001 << 4 << 17 << 2452017L;
    QTest::newRow("12/31/9999") << 9999 << 12 << 31 << 5373484L;
}

void tst_Runtime::dayNumbers()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(long, expected);
    QCOMPARE(qvrun::dayNumber(year, month, day), expected);
}

void tst_Runtime::normaliserCarriesDaysAndMonths_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("newDay");
    QTest::addColumn<int>("newMonth");
    QTest::addColumn<int>("newYear");
    QTest::addColumn<int>("weekday");

    QTest::newRow("a valid date") << 17 << 3 << 2001 << 17 << 3 << 2001 << 2;
    QTest::newRow("30 Feb, common year") << 30 << 1 << 2001 << 2 << 2 << 2001 << 5;
    QTest::newRow("30 Feb, leap year") << 30 << 1 << 2000 << 1 << 2 << 2000 << 3;
    QTest::newRow("31 Apr") << 31 << 3 << 2001 << 1 << 4 << 2001 << 2;
    QTest::newRow("day 0") << 0 << 0 << 2000 << 31 << 11 << 1999 << 5;
    QTest::newRow("month 12") << 1 << 12 << 2000 << 1 << 0 << 2001 << 1;
    QTest::newRow("1 Jan 2000") << 1 << 0 << 2000 << 1 << 0 << 2000 << 6;
    QTest::newRow("first day of the calendar") << 1 << 0 << 1 << 1 << 0 << 1 << 1;
    QTest::newRow("last day of the calendar") << 31 << 11 << 9999 << 31 << 11 << 9999 << 5;
}

void tst_Runtime::normaliserCarriesDaysAndMonths()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    qvrun::DateRecord date{day, month, year, -1};
    QCOMPARE(qvrun::normalizeDate(&date), 0);
    QTEST(date.day, "newDay");
    QTEST(date.month, "newMonth");
    QTEST(date.year, "newYear");
    QTEST(date.weekday, "weekday");
}

void tst_Runtime::normaliserRefusesYearsOutsideTheCalendar_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");

    QTest::newRow("year 0") << 1 << 0 << 0;
    QTest::newRow("year 10000") << 1 << 0 << 10000;
    QTest::newRow("negative year") << 1 << 0 << -5;
    QTest::newRow("carried past 9999") << 32 << 11 << 9999;
    QTest::newRow("carried before year 1") << 0 << 0 << 1;
    QTest::newRow("a wrapped 16-bit year") << 1 << 0 << -31072;
}

void tst_Runtime::normaliserRefusesYearsOutsideTheCalendar()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    qvrun::DateRecord date{day, month, year, 9};
    QCOMPARE(qvrun::normalizeDate(&date), -1);
    QCOMPARE(date.day, day);
    QCOMPARE(date.month, month);
    QCOMPARE(date.year, year);
    QCOMPARE(date.weekday, 9);
}

void tst_Runtime::innerRectangle_data()
{
    QTest::addColumn<int>("bevelStyle");
    QTest::addColumn<int>("bevelSize");
    QTest::addColumn<int>("inset");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("lowered bevel and inset") << 0 << 3 << 2 << QRect(5, 5, 90, 10);
    QTest::newRow("raised bevel and inset") << 1 << 3 << 2 << QRect(5, 5, 90, 10);
    QTest::newRow("shadowed right: below and right only") << 3 << 3 << 2 << QRect(2, 2, 93, 13);
    QTest::newRow("shadowed left: above and left only") << 4 << 3 << 2 << QRect(5, 5, 93, 13);
    QTest::newRow("nothing") << 0 << 0 << 0 << QRect(0, 0, 100, 20);
    QTest::newRow("more than the rectangle") << 2 << 30 << 2 << QRect(32, 32, 36, 0);
}

void tst_Runtime::innerRectangle()
{
    QFETCH(int, bevelStyle);
    QFETCH(int, bevelSize);
    QFETCH(int, inset);
    QFETCH(QRect, expected);
    QCOMPARE(qvrun::innerRect(QRect(0, 0, 100, 20), bevelStyle, bevelSize, inset), expected);
}

void tst_Runtime::frameStyles_data()
{
    QTest::addColumn<int>("bevelStyle");
    QTest::addColumn<int>("borderStyle");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("expected");

    // A 40 x 20 frame with a bevel 2 wide: face white, light green, shadow
    // blue, border red, over a black container.
    const QRgb face = qRgb(255, 255, 255), light = qRgb(0, 255, 0), shadow = qRgb(0, 0, 255),
               border = qRgb(255, 0, 0), container = qRgb(0, 0, 0);
    QTest::newRow("lowered: shadow above left") << 0 << 0 << QPoint(1, 10) << shadow;
    QTest::newRow("lowered: light below right") << 0 << 0 << QPoint(38, 10) << light;
    QTest::newRow("lowered: the face inside") << 0 << 0 << QPoint(20, 10) << face;
    QTest::newRow("raised: light above left") << 1 << 0 << QPoint(10, 1) << light;
    QTest::newRow("raised: shadow below right") << 1 << 0 << QPoint(10, 18) << shadow;
    QTest::newRow("raised: out to the last column") << 1 << 0 << QPoint(39, 10) << shadow;
    QTest::newRow("chiseled: cut down outside") << 2 << 0 << QPoint(0, 10) << shadow;
    QTest::newRow("chiseled: standing up inside") << 2 << 0 << QPoint(1, 10) << light;
    QTest::newRow("chiseled: inside, below right") << 2 << 0 << QPoint(38, 10) << shadow;
    QTest::newRow("shadowed right: right") << 3 << 0 << QPoint(38, 10) << shadow;
    QTest::newRow("shadowed right: below") << 3 << 0 << QPoint(20, 19) << shadow;
    QTest::newRow("shadowed right: nothing left") << 3 << 0 << QPoint(0, 10) << face;
    QTest::newRow("shadowed right: the face is offset") << 3 << 0 << QPoint(39, 0) << face;
    QTest::newRow("shadowed left: left") << 4 << 0 << QPoint(1, 10) << shadow;
    QTest::newRow("shadowed left: above") << 4 << 0 << QPoint(20, 0) << shadow;
    QTest::newRow("shadowed left: nothing right") << 4 << 0 << QPoint(39, 10) << face;
    QTest::newRow("single line: its corner") << 1 << 1 << QPoint(0, 0) << border;
    QTest::newRow("single line: the bevel inside it") << 0 << 1 << QPoint(1, 10) << shadow;
    QTest::newRow("rounded corners: the corner is the container's") << 1 << 2 << QPoint(0, 0) << container;
    QTest::newRow("rounded corners: the side") << 1 << 2 << QPoint(0, 10) << border;
    QTest::newRow("rounded corners: the bevel inside it") << 1 << 2 << QPoint(1, 10) << light;
}

void tst_Runtime::frameStyles()
{
    QFETCH(int, bevelStyle);
    QFETCH(int, borderStyle);
    QFETCH(QPoint, at);
    QFETCH(QRgb, expected);
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter dc(&image);
    qvrun::drawFrame(nullptr, dc, 2, borderStyle != 0 ? 1 : 0, borderStyle, bevelStyle, 0, 0, 0xFF0000, 0x00FF00,
                     0xFFFFFF, 0x0000FF, 0, true, 1, 0, 0, 0, image.rect());
    dc.end();
    QCOMPARE(image.pixel(at), expected);
}

void tst_Runtime::clipboardCopyAndPaste()
{
    qvrun::copySelection("04/17/2001", 3, 2);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("17"));
    qvrun::copySelection("04/17/2001", 0, 0); // nothing selected: the clipboard keeps its text
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("17"));

    // The pasted text replaces the selection; only its first line is taken,
    // within the maximum, as single-byte text.
    QApplication::clipboard()->setText(QStringLiteral("Mai\u00e9\nsecond line"));
    Buffer buffer = bufferOf("04/17/2001");
    QCOMPARE(qvrun::pasteIntoBuffer(buffer.data(), 0, 2, 1024), 4);
    QCOMPARE(QByteArray(buffer.data()), QByteArray("Mai\xe9/17/2001"));

    buffer = bufferOf("12345");
    QCOMPARE(qvrun::pasteIntoBuffer(buffer.data(), 5, 0, 6), 6);
    QCOMPARE(QByteArray(buffer.data()), QByteArray("12345M"));
}

void tst_Runtime::eachCaretBlinksOnItsOwn()
{
    const int desktopFlash = QApplication::cursorFlashTime();
    QWidget window;
    std::unique_ptr<qvrun::Caret> slow(qvrun::createCaret(&window, 14, 0, Qt::black, qvrun::kCaretSolid, 800, Qt::white));
    std::unique_ptr<qvrun::Caret> fixed(qvrun::createCaret(&window, 14, 3, Qt::red, qvrun::kCaretGrey, -1, Qt::white));
    std::unique_ptr<qvrun::Caret> usual(qvrun::createCaret(&window, 14, 1, Qt::black, qvrun::kCaretSolid, 0, Qt::white));
    QCOMPARE(slow->blinkInterval(), 800);
    QCOMPARE(usual->blinkInterval(), desktopFlash / 2);
    QCOMPARE(QApplication::cursorFlashTime(), desktopFlash);
    QCOMPARE(slow->bitmap().size(), QSize(2, 14));
    QCOMPARE(fixed->bitmap().size(), QSize(3, 14));

    fixed->show();
    QVERIFY(fixed->isLit());
    fixed->hide();
    QVERIFY(!fixed->isLit());
}

QTEST_MAIN(tst_Runtime)
#include "tst_runtime.moc"
