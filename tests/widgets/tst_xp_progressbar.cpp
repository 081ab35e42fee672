// The drawn progress bar: its ten styles at the windows' sizes, the scaling
// of Value, the split-colour text, the buffer and the design's values.

#include "widgets/XP_ProgressBar.h"

#include "platform/core/RuntimeError.h"
#include "platform/gdi/DeviceContext.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using gdi::ColorRef;
using gdi::rgb;

namespace {

// The colour every window's design gives the bar, and its tints.
constexpr ColorRef c = rgb(49, 106, 197);
const QColor base(49, 106, 197);
const QColor white(255, 255, 255);
const QColor black(0, 0, 0);
const QColor silver(192, 192, 192);
const QColor frameLight(239, 239, 239);
const QColor lighten25(69, 120, 202);
const QColor lighten80(113, 152, 215);
const QColor lighten100(129, 164, 219);
const QColor lighten140(162, 187, 228);
const QColor lighten150(170, 193, 231);
const QColor lighten180(194, 211, 237);
const QColor lighten200(210, 222, 242);
const QColor lighten250(250, 252, 253);
const QColor lighten10(57, 111, 199);
// The second row of a six-row gradient from c to LightenColor(c, 150):
// green 106 + 14.5 = 120.5 goes to the even 120.
const QColor bodyRow(69, 120, 203);

QFont textFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

// A bar set up as a window's design sets it.
std::unique_ptr<XP_ProgressBar> makeBar(int width, int height, int style, bool showText = false)
{
    auto bar = std::make_unique<XP_ProgressBar>();
    bar->resize(width, height);
    bar->setFont(textFont());
    bar->setColor(c);
    bar->setBrushStyle(4);
    bar->setScrolling(style);
    bar->setShowText(showText);
    return bar;
}

QImage drawn(int width, int height, int style, int value, bool showText = false)
{
    auto bar = makeBar(width, height, style, showText);
    bar->setValue(value);
    return bar->picture();
}

int errorNumberOf(const std::function<void()>& statement)
{
    try {
        statement();
    } catch (const platform::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

// The pixels where two drawings differ: the text, when one has it.
QList<QPoint> differences(const QImage& a, const QImage& b)
{
    QList<QPoint> points;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                points << QPoint(x, y);
    return points;
}

} // namespace

class XPProgressBarTest : public QObject {
    Q_OBJECT

private slots:
    void stylePixels_data();
    void stylePixels();
    void roundedFrame_data();
    void roundedFrame();
    void hatchFollowsBrushStyle_data();
    void hatchFollowsBrushStyle();
    void patternStyleTilesTheImage();
    void verticalFillsFromTheBottom();
    void onlyStylesZeroToTwoTurn_data();
    void onlyStylesZeroToTwoTurn();
    void unknownStylesDrawAsStyleOne_data();
    void unknownStylesDrawAsStyleOne();
    void measuresTheWindowItIsGiven();

    void splitText_data();
    void splitText();
    void searchingTextIgnoresTheValue();
    void textIsCentred();
    void hatchBackgroundSurvivesTheText();

    void valueScaling_data();
    void valueScaling();
    void refusedValuesStoreNothing_data();
    void refusedValuesStoreNothing();
    void percentAboveHundredDrawsAsHundred();
    void negativePercentDrawsAsNothing();
    void colorResolvesSystemColours();

    void writesRepaintAndMarkChanged_data();
    void writesRepaintAndMarkChanged();
    void someWritesShowOnlyAtTheNextRepaint();

    void bufferOnlyGrows();
    void widgetShowsTheBuffer();
    void pDrawCopiesTheBuffer();
    void drawLineAndGradient();

    void freshBarWritesWhatDiffersFromDefaults();
    void emptyDesignGivesTheDefaults();
    void designRoundTrip();
    void designValueIsScaledByTheRangeReadBefore();
};

// ---- Styles ----------------------------------------------------------------

void XPProgressBarTest::stylePixels_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("value");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");
    const auto row = [](const char* tag, QSize size, int style, int value, QPoint at, QColor expected) {
        QTest::newRow(tag) << size << style << value << at << expected;
    };
    const QSize question(201, 9), terms(377, 17), package(649, 17);

    // Style 0 on the question window: a stub at 0 %, 8-pixel segments with
    // white gaps at 10-11, 18-19, ...; on 9 rows the body's middle fill is
    // turned over and covers rows 2 to 8.
    row("0 201x9 0%: stub", question, 0, 0, {9, 6}, base);
    row("0 201x9 0%: first gap", question, 0, 0, {10, 6}, white);
    row("0 201x9 0%: stub ends", question, 0, 0, {12, 6}, white);
    row("0 201x9 0%: light row", question, 0, 0, {5, 5}, lighten150);
    row("0 201x9 0%: column 3 empty", question, 0, 0, {3, 4}, white);
    row("0 201x9 50%: last segment", question, 0, 50, {97, 6}, base);
    row("0 201x9 50%: gap at the edge", question, 0, 50, {98, 6}, white);
    row("0 201x9 50%: beyond", question, 0, 50, {100, 6}, white);
    row("0 201x9 100%: last body column", question, 0, 100, {198, 6}, base);
    row("0 201x9 100%: last gap", question, 0, 100, {195, 6}, white);
    row("0 201x9 100%: frame", question, 0, 100, {199, 6}, frameLight);

    row("0 377x17 0%: stub", terms, 0, 0, {9, 8}, bodyRow);
    row("0 377x17 0%: gap", terms, 0, 0, {10, 8}, white);
    row("0 377x17 0%: stub ends", terms, 0, 0, {12, 8}, white);
    row("0 377x17 50%: top row", terms, 0, 50, {185, 3}, lighten150);
    row("0 377x17 50%: second row", terms, 0, 50, {185, 4}, QColor(150, 178, 225));
    row("0 377x17 50%: fourth row", terms, 0, 50, {185, 6}, QColor(110, 150, 214));
    row("0 377x17 50%: darkest row", terms, 0, 50, {185, 7}, base);
    row("0 377x17 50%: middle row", terms, 0, 50, {185, 8}, bodyRow);
    row("0 377x17 50%: bottom row", terms, 0, 50, {185, 13}, lighten150);
    row("0 377x17 50%: under the body", terms, 0, 50, {185, 14}, white);
    row("0 377x17 50%: gap", terms, 0, 50, {186, 8}, white);
    row("0 377x17 50%: gap full height", terms, 0, 50, {186, 4}, white);
    row("0 377x17 50%: beyond", terms, 0, 50, {188, 8}, white);
    row("0 377x17 100%: last body column", terms, 0, 100, {374, 8}, bodyRow);
    row("0 377x17 100%: last gap", terms, 0, 100, {371, 8}, white);
    row("0 377x17 100%: frame", terms, 0, 100, {375, 8}, frameLight);

    // Style 1: the same body without gaps, its edge on even steps.
    row("1 377x17 0%: stub", terms, 1, 0, {11, 8}, bodyRow);
    row("1 377x17 0%: stub ends", terms, 1, 0, {12, 8}, white);
    row("1 377x17 50%: no gaps", terms, 1, 50, {186, 8}, bodyRow);
    row("1 377x17 50%: edge", terms, 1, 50, {192, 8}, bodyRow);
    row("1 377x17 50%: beyond", terms, 1, 50, {193, 8}, white);
    row("1 377x17 100%: up to the frame", terms, 1, 100, {374, 8}, bodyRow);

    // Style 2: three blocks 22.5 pixels left of the edge at 50 %, the first
    // at nearest(170.5) = 170.
    row("2 377x17 50%: before the blocks", terms, 2, 50, {169, 8}, white);
    row("2 377x17 50%: first block starts", terms, 2, 50, {170, 8}, QColor(226, 234, 247));
    row("2 377x17 50%: first block top", terms, 2, 50, {170, 3}, QColor(226, 234, 247));
    row("2 377x17 50%: first block bottom", terms, 2, 50, {170, 14}, QColor(226, 234, 247));
    row("2 377x17 50%: first block ends", terms, 2, 50, {179, 8}, lighten200);
    row("2 377x17 50%: between blocks", terms, 2, 50, {181, 8}, white);
    row("2 377x17 50%: second block", terms, 2, 50, {182, 8}, lighten180);
    row("2 377x17 50%: third block", terms, 2, 50, {194, 8}, lighten140);
    row("2 377x17 50%: third block ends", terms, 2, 50, {203, 8}, QColor(145, 176, 224));
    row("2 377x17 50%: after the blocks", terms, 2, 50, {204, 8}, white);
    row("2 377x17 0%: blocks out of sight", terms, 2, 0, {12, 8}, white);
    row("2 377x17 100%: blocks past the end", terms, 2, 100, {374, 8}, white);

    // Style 3: a lighter fill inside a frame; 188.5 goes to 188.
    row("3 377x17: frame", terms, 3, 50, {0, 8}, lighten100);
    row("3 377x17: frame top", terms, 3, 50, {300, 0}, lighten100);
    row("3 377x17 0%: turned-over fill at column 1", terms, 3, 0, {1, 8}, lighten180);
    row("3 377x17 0%: nothing more", terms, 3, 0, {2, 8}, white);
    row("3 377x17 50%: fill", terms, 3, 50, {187, 8}, lighten180);
    row("3 377x17 50%: fill bottom", terms, 3, 50, {187, 15}, lighten180);
    row("3 377x17 50%: edge", terms, 3, 50, {188, 8}, white);
    row("3 377x17 100%: fill over the right frame", terms, 3, 100, {376, 8}, lighten180);
    row("3 377x17 100%: frame corner", terms, 3, 100, {376, 16}, lighten100);

    // Style 4: etched edge, gradient columns 2 to 2 + e; 186.5 goes to 186.
    row("4 377x17: outer top left", terms, 4, 50, {0, 0}, QColor(128, 128, 128));
    row("4 377x17: outer top right", terms, 4, 50, {376, 0}, white);
    row("4 377x17: outer left", terms, 4, 50, {0, 8}, QColor(128, 128, 128));
    row("4 377x17: inner bottom", terms, 4, 50, {300, 15}, QColor(128, 128, 128));
    row("4 377x17: inner right", terms, 4, 0, {375, 8}, QColor(128, 128, 128));
    row("4 377x17 0%: one line at column 2", terms, 4, 0, {2, 8}, lighten140);
    row("4 377x17 0%: nothing more", terms, 4, 0, {3, 8}, white);
    row("4 377x17 50%: start", terms, 4, 50, {2, 2}, lighten140);
    row("4 377x17 50%: last column", terms, 4, 50, {188, 8}, lighten200);
    row("4 377x17 50%: last row", terms, 4, 50, {188, 13}, lighten200);
    row("4 377x17 50%: below", terms, 4, 50, {188, 14}, white);
    row("4 377x17 50%: beyond", terms, 4, 50, {189, 8}, white);
    row("4 377x17 100%: over the inner right edge", terms, 4, 100, {375, 8}, lighten200);

    // Style 5: framed track and fill, the fill's edge line; / 101.
    row("5 377x17: frame", terms, 5, 50, {100, 16}, lighten10);
    row("5 377x17: track top", terms, 5, 50, {188, 2}, base);
    row("5 377x17: track bottom", terms, 5, 50, {188, 14}, lighten100);
    row("5 377x17: under the track", terms, 5, 50, {100, 15}, white);
    row("5 377x17 50%: fill top", terms, 5, 50, {186, 3}, lighten250);
    row("5 377x17 50%: fill bottom", terms, 5, 50, {186, 14}, base);
    row("5 377x17 50%: edge line", terms, 5, 50, {187, 8}, lighten25);
    row("5 377x17 0%: edge line over the frame", terms, 5, 0, {0, 8}, lighten25);
    row("5 377x17 0%: frame above the line", terms, 5, 0, {0, 1}, lighten10);
    row("5 377x17 100%: edge line", terms, 5, 100, {373, 8}, lighten25);
    row("5 377x17 100%: fill", terms, 5, 100, {372, 3}, lighten250);
    row("5 377x17 100%: right of the track", terms, 5, 100, {375, 8}, white);

    // Style 6: black track, dark gradient from black.
    row("6 377x17: frame", terms, 6, 50, {0, 8}, QColor(38, 83, 155));
    row("6 377x17: track", terms, 6, 50, {300, 8}, black);
    row("6 377x17 50%: last column", terms, 6, 50, {188, 8}, QColor(28, 50, 83));
    row("6 377x17 50%: last column bottom", terms, 6, 50, {188, 14}, QColor(28, 50, 83));
    row("6 377x17 50%: below", terms, 6, 50, {188, 15}, black);
    row("6 377x17 50%: beyond", terms, 6, 50, {189, 8}, black);
    row("6 377x17 100%: last column", terms, 6, 100, {374, 8}, QColor(28, 50, 83));
    row("6 377x17 100%: frame", terms, 6, 100, {376, 8}, QColor(38, 83, 155));

    // Style 7 (cross hatch): bump edge, hatch over a light tint.
    row("7 377x17: outer top left", terms, 7, 50, {0, 0}, QColor(212, 208, 200));
    row("7 377x17: outer right", terms, 7, 50, {376, 8}, QColor(64, 64, 64));
    row("7 377x17: inner left", terms, 7, 50, {1, 5}, QColor(64, 64, 64));
    row("7 377x17: inner right", terms, 7, 50, {375, 8}, QColor(212, 208, 200));
    row("7 377x17 50%: hatch column", terms, 7, 50, {4, 5}, base);
    row("7 377x17 50%: hatch row", terms, 7, 50, {5, 11}, base);
    row("7 377x17 50%: hatch gap", terms, 7, 50, {5, 5}, lighten140);
    row("7 377x17 50%: last column", terms, 7, 50, {186, 5}, lighten140);
    row("7 377x17 50%: beyond", terms, 7, 50, {187, 5}, white);
    row("7 377x17 0%: turned-over fill over the inner left edge", terms, 7, 0, {1, 5}, lighten140);
    row("7 377x17 0%: nothing more", terms, 7, 0, {3, 5}, white);
    row("7 377x17 100%: last column", terms, 7, 100, {372, 5}, base);
    row("7 377x17 100%: beyond", terms, 7, 100, {373, 5}, white);

    // Style 9 on the test-package window: glass track and fill; 322.5 goes
    // to 322.
    row("9 649x17 0%: track upper", package, 9, 0, {3, 5}, QColor(228, 228, 228));
    row("9 649x17 0%: track lower", package, 9, 0, {3, 14}, silver);
    row("9 649x17 50%: fill upper", package, 9, 50, {321, 3}, QColor(151, 176, 218));
    row("9 649x17 50%: fill lower starts", package, 9, 50, {321, 7}, QColor(37, 79, 147));
    row("9 649x17 50%: fill lower ends", package, 9, 50, {321, 14}, base);
    row("9 649x17 50%: track after the fill", package, 9, 50, {322, 14}, silver);
    row("9 649x17 50%: track upper after the fill", package, 9, 50, {322, 5}, QColor(228, 228, 228));
    row("9 649x17 100%: fill", package, 9, 100, {644, 14}, base);
    row("9 649x17 100%: last track column", package, 9, 100, {645, 14}, silver);
    row("9 649x17 100%: gap before the frame", package, 9, 100, {646, 14}, white);
    row("9 649x17 100%: frame", package, 9, 100, {647, 8}, frameLight);
}

void XPProgressBarTest::stylePixels()
{
    QFETCH(QSize, size);
    QFETCH(int, style);
    QFETCH(int, value);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    const QImage image = drawn(size.width(), size.height(), style, value);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.pixelColor(at), expected);
}

void XPProgressBarTest::roundedFrame_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("showText");
    QTest::addColumn<int>("value");
    struct Design {
        const char* name;
        QSize size;
        int style;
        bool showText;
    };
    const Design designs[] = {{"question 201x9 style 0", {201, 9}, 0, false},
                              {"terminology 377x17 style 0", {377, 17}, 0, false},
                              {"377x17 style 1", {377, 17}, 1, false},
                              {"377x17 style 2", {377, 17}, 2, true},
                              {"test package 649x17 style 9", {649, 17}, 9, true}};
    for (const Design& design : designs)
        for (int value : {0, 50, 100})
            QTest::addRow("%s at %d%%", design.name, value)
                << design.size << design.style << design.showText << value;
}

void XPProgressBarTest::roundedFrame()
{
    QFETCH(QSize, size);
    QFETCH(int, style);
    QFETCH(bool, showText);
    QFETCH(int, value);
    const QImage image = drawn(size.width(), size.height(), style, value, showText);
    const int R = size.width();
    const int B = size.height();
    const QColor edge1(172, 171, 166), edge2(127, 126, 125), edge3(172, 171, 167), inner(119, 119, 119);
    const QColor shadow(190, 190, 190), border(104, 104, 104);
    const struct {
        int x, y;
        QColor colour;
    } pixels[] = {
        // the corners, pixel by pixel
        {0, 0, white}, {0, 1, edge1}, {0, 2, edge2}, {1, 0, edge3}, {1, 1, inner}, {2, 0, edge2}, {2, 2, shadow},
        {0, B - 1, white}, {1, B - 1, edge1}, {2, B - 1, edge2}, {0, B - 3, edge2}, {0, B - 2, edge3},
        {1, B - 2, inner},
        {R - 1, 0, white}, {R - 1, 1, shadow}, {R - 1, 2, edge2}, {R - 2, 2, shadow}, {R - 2, 1, border},
        {R - 1, B - 1, white}, {R - 1, B - 2, shadow}, {R - 1, B - 3, edge2}, {R - 2, B - 2, inner},
        {R - 2, B - 1, shadow}, {R - 3, B - 1, edge2},
        // the lines and the border between them
        {R / 3, 0, border}, {R / 3, 1, shadow}, {R / 3, B - 2, frameLight}, {R / 3, B - 1, border},
        {0, B / 2, border}, {1, B / 2, shadow}, {2, B / 2, frameLight}, {R - 2, B / 2, frameLight},
        {R - 1, B / 2, border},
        // the lines stop short of their end points
        {R - 3, 1, shadow}, {R - 3, 2, frameLight}, {2, B - 3, frameLight}, {R - 2, B - 3, frameLight},
    };
    for (const auto& pixel : pixels) {
        QVERIFY2(image.pixelColor(pixel.x, pixel.y) == pixel.colour,
                 qPrintable(QStringLiteral("pixel (%1, %2) is %3, not %4")
                                .arg(pixel.x)
                                .arg(pixel.y)
                                .arg(image.pixelColor(pixel.x, pixel.y).name(), pixel.colour.name())));
    }
}

void XPProgressBarTest::hatchFollowsBrushStyle_data()
{
    QTest::addColumn<int>("brushStyle");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("horizontal: line row") << 0 << QPoint(5, 11) << base;
    QTest::newRow("horizontal: gap") << 0 << QPoint(4, 5) << lighten140;
    QTest::newRow("vertical: line column") << 1 << QPoint(12, 5) << base;
    QTest::newRow("vertical: gap") << 1 << QPoint(5, 11) << lighten140;
    QTest::newRow("forward diagonal") << 2 << QPoint(5, 5) << base;
    QTest::newRow("forward diagonal: gap") << 2 << QPoint(6, 5) << lighten140;
    QTest::newRow("backward diagonal") << 3 << QPoint(6, 9) << base;
    QTest::newRow("diagonal cross") << 5 << QPoint(9, 6) << base;
    QTest::newRow("beyond the six: solid") << 7 << QPoint(5, 5) << base;
    QTest::newRow("no brush at all") << 12 << QPoint(5, 5) << white;
    QTest::newRow("taken as 16 bits") << 65536 + 1 << QPoint(12, 5) << base;
}

void XPProgressBarTest::hatchFollowsBrushStyle()
{
    QFETCH(int, brushStyle);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    auto bar = makeBar(377, 17, 7);
    bar->setBrushStyle(brushStyle);
    bar->setValue(100);
    QCOMPARE(bar->picture().pixelColor(at), expected);
}

void XPProgressBarTest::patternStyleTilesTheImage()
{
    QImage tile(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            tile.setPixel(x, y, qRgb(10 + 60 * x, 20 + 50 * y, 30));
    auto bar = makeBar(377, 17, 8);
    bar->setValue(50);
    QCOMPARE(bar->picture().pixelColor(100, 8), white); // no picture: only the edge
    QCOMPARE(bar->picture().pixelColor(0, 8), QColor(128, 128, 128));
    QCOMPARE(bar->picture().pixelColor(376, 8), white);

    bar->setImage(tile);
    const QImage image = bar->picture();
    // e = nearest(50 / 101 * 377) = 187 wide from column 2, rows 2 to 14,
    // tiled from the bar's origin.
    QCOMPARE(image.pixel(2, 2), tile.pixel(2, 2));
    QCOMPARE(image.pixel(101, 7), tile.pixel(1, 3));
    QCOMPARE(image.pixel(188, 14), tile.pixel(0, 2));
    QCOMPARE(image.pixelColor(189, 8), white);
    QCOMPARE(image.pixelColor(100, 15), white);
    QCOMPARE(image.pixelColor(100, 0), QColor(128, 128, 128));

    bar->setValue(0);
    QCOMPARE(bar->picture().pixelColor(2, 8), white);
}

void XPProgressBarTest::verticalFillsFromTheBottom()
{
    auto bar = makeBar(30, 120, 0);
    bar->setOrientation(1);
    bar->setValue(50);
    const QImage image = bar->picture();
    // y = nearest(120 * (1 - 50/98)) = 59 snaps down to 64; gaps end every 8
    // rows from the bottom: 118-119, 110-111, ..., 70-71.
    QCOMPARE(image.pixelColor(15, 63), white);
    QCOMPARE(image.pixelColor(15, 64), base);
    QCOMPARE(image.pixelColor(15, 100), base);
    QCOMPARE(image.pixelColor(15, 109), base);
    QCOMPARE(image.pixelColor(15, 110), white);
    QCOMPARE(image.pixelColor(15, 111), white);
    QCOMPARE(image.pixelColor(15, 70), white);
    QCOMPARE(image.pixelColor(15, 69), base);
    QCOMPARE(image.pixelColor(4, 100), lighten150);  // left gradient, light outside
    QCOMPARE(image.pixelColor(8, 100), base);
    QCOMPARE(image.pixelColor(22, 100), base);       // right gradient
    QCOMPARE(image.pixelColor(26, 100), lighten150);

    bar->setValue(0);
    QCOMPARE(bar->picture().pixelColor(15, 112), white); // no stub upright
}

void XPProgressBarTest::onlyStylesZeroToTwoTurn_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("turns");
    for (int style = 0; style <= 9; ++style)
        QTest::addRow("style %d", style) << style << (style <= 2);
}

void XPProgressBarTest::onlyStylesZeroToTwoTurn()
{
    QFETCH(int, style);
    QFETCH(bool, turns);
    auto bar = makeBar(377, 17, style, true);
    bar->setImage(QImage(3, 3, QImage::Format_RGB32));
    bar->setValue(60);
    const QImage across = bar->picture();
    bar->setOrientation(1);
    QCOMPARE(bar->picture() != across, turns);
}

void XPProgressBarTest::unknownStylesDrawAsStyleOne_data()
{
    QTest::addColumn<int>("style");
    QTest::newRow("10") << 10;
    QTest::newRow("-1") << -1;
    QTest::newRow("1000") << 1000;
}

void XPProgressBarTest::unknownStylesDrawAsStyleOne()
{
    QFETCH(int, style);
    QCOMPARE(drawn(377, 17, style, 50, true), drawn(377, 17, 1, 50, true));
    QVERIFY(drawn(377, 17, style, 50) != drawn(377, 17, 0, 50));
}

void XPProgressBarTest::measuresTheWindowItIsGiven()
{
    QWidget other;
    other.resize(100, 17);
    auto bar = makeBar(377, 17, 3);
    bar->setHWnd(&other);
    bar->setValue(100);
    QCOMPARE(bar->hWnd(), &other);
    const QImage image = bar->picture();
    QCOMPARE(image.pixelColor(99, 0), lighten100); // the other window's right edge
    QCOMPARE(image.pixelColor(98, 8), lighten180);
    QCOMPARE(image.pixelColor(101, 8), white);
    bar->setHWnd(nullptr);
    QCOMPARE(bar->hWnd(), bar.get());
}

// ---- Text ------------------------------------------------------------------

void XPProgressBarTest::splitText_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("split");
    QTest::addColumn<QColor>("overFill");
    QTest::addColumn<QColor>("elsewhere");
    // Style 9: black, white over the fill, cut at nearest(p / 100 * R).
    QTest::newRow("9 at 0%: all black") << QSize(649, 17) << 9 << 0 << 0 << white << black;
    QTest::newRow("9 at 50%: cut at 324") << QSize(649, 17) << 9 << 50 << 324 << white << black;
    QTest::newRow("9 at 100%: all white") << QSize(649, 17) << 9 << 100 << 649 << white << black;
    // Style 6: silver, a light tint over the fill; 188.5 goes to 188.
    QTest::newRow("6 at 0%: all silver") << QSize(377, 17) << 6 << 0 << 0 << lighten80 << silver;
    QTest::newRow("6 at 50%: cut at 188") << QSize(377, 17) << 6 << 50 << 188 << lighten80 << silver;
    QTest::newRow("6 at 100%: all tinted") << QSize(377, 17) << 6 << 100 << 377 << lighten80 << silver;
    // Other styles keep one colour.
    QTest::newRow("0 at 50%: black") << QSize(377, 17) << 0 << 50 << 0 << white << black;
    QTest::newRow("3 at 100%: black") << QSize(377, 17) << 3 << 100 << 0 << white << black;
}

void XPProgressBarTest::splitText()
{
    QFETCH(QSize, size);
    QFETCH(int, style);
    QFETCH(int, value);
    QFETCH(int, split);
    QFETCH(QColor, overFill);
    QFETCH(QColor, elsewhere);
    const QImage withText = drawn(size.width(), size.height(), style, value, true);
    const QList<QPoint> text = differences(withText, drawn(size.width(), size.height(), style, value, false));
    QVERIFY(text.size() > 20);
    int left = 0, right = 0;
    for (const QPoint& p : text) {
        const QColor expected = p.x() < split ? overFill : elsewhere;
        QVERIFY2(withText.pixelColor(p) == expected,
                 qPrintable(QStringLiteral("text pixel (%1, %2) is %3")
                                .arg(p.x())
                                .arg(p.y())
                                .arg(withText.pixelColor(p).name())));
        ++(p.x() < split ? left : right);
    }
    if (split > 0 && split < size.width()) {
        QVERIFY(left > 5);
        QVERIFY(right > 5);
    }
}

void XPProgressBarTest::searchingTextIgnoresTheValue()
{
    // At 0 % and at 100 % the blocks are out of sight, so only the text shows.
    const QImage atZero = drawn(377, 17, 2, 0, true);
    QCOMPARE(drawn(377, 17, 2, 100, true), atZero);
    QVERIFY(atZero != drawn(377, 17, 2, 0, false));
    // The percent styles do show the value.
    QVERIFY(drawn(377, 17, 3, 0, true) != drawn(377, 17, 3, 0, false));
    QVERIFY(differences(drawn(377, 17, 4, 7, true), drawn(377, 17, 4, 8, true)).size() > 0);
}

void XPProgressBarTest::textIsCentred()
{
    for (int value : {0, 100}) {
        const QList<QPoint> text = differences(drawn(377, 17, 3, value, true), drawn(377, 17, 3, value, false));
        QVERIFY(!text.isEmpty());
        int left = 377, right = 0, top = 17, bottom = 0;
        for (const QPoint& p : text) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
        QVERIFY2(std::abs((left + right) / 2.0 - 377 / 2.0) <= 3.0, qPrintable(QString::number(left)));
        QVERIFY(top >= 1 && bottom <= 15);
    }
}

void XPProgressBarTest::hatchBackgroundSurvivesTheText()
{
    // Drawing the text never leaves the hatch's gaps see-through.
    auto bar = makeBar(377, 17, 7, true);
    bar->setValue(50);
    const QImage first = bar->picture();
    bar->DrawProgressBar();
    QCOMPARE(bar->picture(), first);
    QCOMPARE(first.pixelColor(5, 5), lighten140);
}

// ---- Value -----------------------------------------------------------------

void XPProgressBarTest::valueScaling_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("readBack");
    QTest::newRow("percent as written") << 0 << 100 << 37 << 37;
    QTest::newRow("0") << 0 << 100 << 0 << 0;
    QTest::newRow("100") << 0 << 100 << 100 << 100;
    // Max 200: the percent is half the value, halves going to even.
    QTest::newRow("0.5 % goes to 0") << 0 << 200 << 1 << 0;
    QTest::newRow("1.5 % goes to 2") << 0 << 200 << 3 << 4;
    QTest::newRow("2.5 % goes to 2") << 0 << 200 << 5 << 4;
    QTest::newRow("3.5 % goes to 4") << 0 << 200 << 7 << 8;
    // Min and Max are the ends of the range, and reading undoes writing.
    QTest::newRow("middle of 10 to 20") << 10 << 20 << 15 << 15;
    QTest::newRow("end of 10 to 20") << 10 << 20 << 20 << 20;
    QTest::newRow("above 10 to 20 is cut") << 10 << 20 << 25 << 20;
    QTest::newRow("below 10 to 20 stays") << 10 << 20 << 5 << 5;
    QTest::newRow("falling range") << 100 << 0 << 25 << 25;
}

void XPProgressBarTest::valueScaling()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, written);
    QFETCH(int, readBack);
    auto bar = makeBar(377, 17, 0);
    bar->setMax(max);
    bar->setMin(min);
    bar->setValue(written);
    QCOMPARE(bar->Value(), readBack);
}

void XPProgressBarTest::refusedValuesStoreNothing_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("error");
    QTest::newRow("Max 0") << 0 << 0 << 5 << 11;
    QTest::newRow("Max 0, value 0") << 0 << 0 << 0 << 11;
    QTest::newRow("Max equal to Min") << 7 << 7 << 5 << 11;
    QTest::newRow("value * 100 past 32 bits") << 0 << 100 << 21474837 << 6;
    QTest::newRow("value * 100 below 32 bits") << 0 << 100 << -21474837 << 6;
    QTest::newRow("distance from Min past 32 bits") << -2000000000 << 100 << 1000000 << 6;
}

void XPProgressBarTest::refusedValuesStoreNothing()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(int, error);
    auto bar = makeBar(377, 17, 0, true);
    bar->setValue(42);
    const QImage before = bar->picture();
    bar->setMax(max);
    bar->setMin(min);
    QCOMPARE(errorNumberOf([&] { bar->setValue(value); }), error);
    bar->setMin(0);
    bar->setMax(100);
    QCOMPARE(bar->Value(), 42);
    QCOMPARE(bar->picture(), before);
}

void XPProgressBarTest::percentAboveHundredDrawsAsHundred()
{
    auto bar = makeBar(377, 17, 9, true);
    bar->setValue(150);
    QCOMPARE(bar->Value(), 100);
    QCOMPARE(bar->picture(), drawn(377, 17, 9, 100, true));
    bar->setValue(21474836); // the largest value whose percent fits
    QCOMPARE(bar->Value(), 100);
}

void XPProgressBarTest::negativePercentDrawsAsNothing()
{
    for (int style = 0; style <= 9; ++style) {
        auto bar = makeBar(377, 17, style, true);
        bar->setValue(-5);
        QCOMPARE(bar->Value(), -5);
        QVERIFY2(bar->picture() == drawn(377, 17, style, 0, true), qPrintable(QString::number(style)));
    }
}

void XPProgressBarTest::colorResolvesSystemColours()
{
    XP_ProgressBar bar;
    QCOMPARE(bar.Color(), rgb(10, 36, 106)); // the highlight colour from creation on
    bar.setColor(c);
    QCOMPARE(bar.Color(), c);
    bar.setColor(0x8000000D);
    QCOMPARE(bar.Color(), rgb(10, 36, 106));
    bar.setColor(gdi::systemColor(16));
    QCOMPARE(bar.Color(), rgb(128, 128, 128));
}

// ---- Writes ------------------------------------------------------------------

namespace {
enum class Write { Color, Image, Orientation, Scrolling, ShowText, Value, BrushStyle, Min, Max, Font };
}

void XPProgressBarTest::writesRepaintAndMarkChanged_data()
{
    QTest::addColumn<int>("write");
    QTest::addColumn<bool>("repaints");
    QTest::addColumn<QString>("marked");
    QTest::newRow("Color") << int(Write::Color) << true << QString();
    QTest::newRow("Image") << int(Write::Image) << true << "Image";
    QTest::newRow("Orientation") << int(Write::Orientation) << true << "Orientation";
    QTest::newRow("Scrolling") << int(Write::Scrolling) << true << "Scrolling";
    QTest::newRow("ShowText") << int(Write::ShowText) << true << "ShowText";
    QTest::newRow("Value") << int(Write::Value) << true << QString();
    QTest::newRow("BrushStyle") << int(Write::BrushStyle) << false << "BrushStyle";
    QTest::newRow("Min") << int(Write::Min) << false << "Min";
    QTest::newRow("Max") << int(Write::Max) << false << "Max";
    QTest::newRow("Font") << int(Write::Font) << false << QString();
}

void XPProgressBarTest::writesRepaintAndMarkChanged()
{
    QFETCH(int, write);
    QFETCH(bool, repaints);
    QFETCH(QString, marked);
    auto bar = makeBar(377, 17, 0);
    bar->setValue(50);
    // Blacken the buffer: a repaint shows as white again.
    bar->hdc().fillRect({0, 0, 377, 17}, gdi::Brush::solid(0));
    QSignalSpy changes(bar.get(), &XP_ProgressBar::propertyChanged);
    switch (Write(write)) {
    case Write::Color: bar->setColor(rgb(200, 0, 0)); break;
    case Write::Image: bar->setImage(QImage(2, 2, QImage::Format_RGB32)); break;
    case Write::Orientation: bar->setOrientation(1); break;
    case Write::Scrolling: bar->setScrolling(3); break;
    case Write::ShowText: bar->setShowText(true); break;
    case Write::Value: bar->setValue(20); break;
    case Write::BrushStyle: bar->setBrushStyle(2); break;
    case Write::Min: bar->setMin(-10); break;
    case Write::Max: bar->setMax(50); break;
    case Write::Font: bar->setFont(QFont()); break;
    }
    QCOMPARE(bar->picture().pixelColor(300, 8), repaints ? white : black);
    if (marked.isEmpty()) {
        QCOMPARE(changes.count(), 0);
    } else {
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().first().toString(), marked);
    }
}

void XPProgressBarTest::someWritesShowOnlyAtTheNextRepaint()
{
    auto bar = makeBar(377, 17, 7, true);
    bar->setValue(50);
    const QImage before = bar->picture();
    bar->setBrushStyle(0);
    QFont big = textFont();
    big.setPixelSize(14);
    bar->setFont(big);
    bar->setMax(200);
    QCOMPARE(bar->picture(), before);
    QCOMPARE(bar->Value(), 100); // the read scales at once

    bar->DrawProgressBar();
    const QImage after = bar->picture();
    QVERIFY(after != before);
    QCOMPARE(after.pixelColor(5, 11), base);       // horizontal hatch now
    QCOMPARE(after.pixelColor(4, 5), lighten140);
}

// ---- Buffer and showing ------------------------------------------------------

void XPProgressBarTest::bufferOnlyGrows()
{
    QWidget window;
    auto* bar = new XP_ProgressBar(&window);
    bar->setColor(c);
    bar->resize(201, 9);
    bar->setHdc();
    const QSize first = bar->bufferSize();
    QVERIFY(first.width() >= 201 && first.height() >= 9);

    bar->resize(150, 5);
    bar->setHdc();
    QCOMPARE(bar->bufferSize(), first); // never smaller

    bar->resize(700, 5);
    bar->setHdc();
    QCOMPARE(bar->bufferSize(), QSize(700, 5)); // made again at the new size

    bar->resize(649, 17);
    bar->setHdc();
    QCOMPARE(bar->bufferSize(), QSize(649, 17));
    bar->resize(201, 9);
    bar->setHdc();
    QCOMPARE(bar->bufferSize(), QSize(649, 17));

    // Drawing at a small size after a large one shows only the small part.
    bar->setValue(100);
    QCOMPARE(bar->picture(), drawn(201, 9, 0, 100));
}

void XPProgressBarTest::widgetShowsTheBuffer()
{
    auto bar = makeBar(649, 17, 9, true);
    bar->show();
    QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
    bar->setValue(50);
    QTRY_COMPARE(bar->grab().toImage().convertToFormat(QImage::Format_RGB32), bar->picture());
}

void XPProgressBarTest::pDrawCopiesTheBuffer()
{
    auto bar = makeBar(377, 17, 5);
    bar->setValue(50);
    const QImage picture = bar->picture();
    const QSize buffer = bar->bufferSize();

    gdi::DeviceContext whole(buffer);
    bar->pDraw(whole, 0, 0, 0, 0, 0, 0); // 0 stands for the buffer's size
    QCOMPARE(whole.bitmap().copy(0, 0, 377, 17), picture);

    gdi::DeviceContext block(QSize(20, 20));
    bar->pDraw(block, 185, 2, 4, 13, 10, 5);
    QCOMPARE(block.pixel(11, 6), gdi::fromQRgb(picture.pixel(186, 3)));
    QCOMPARE(block.pixel(12, 11), gdi::fromQRgb(picture.pixel(187, 8)));
    QCOMPARE(block.pixel(9, 5), ColorRef(0)); // outside the block: untouched
}

void XPProgressBarTest::drawLineAndGradient()
{
    XP_ProgressBar bar;
    gdi::DeviceContext dc(QSize(30, 12));

    bar.DrawLine(2, 0, 6, 0, dc, gdi::systemColor(13));
    QCOMPARE(dc.pixel(2, 0), rgb(10, 36, 106));
    QCOMPARE(dc.pixel(5, 0), rgb(10, 36, 106));
    QCOMPARE(dc.pixel(6, 0), ColorRef(0)); // the end point is left out

    // Rows 5 to 8, each from column 10 up to column 20 (width is the far
    // end), white to black in three steps.
    ColorRef from = gdi::systemColor(5);
    ColorRef to = rgb(0, 0, 0);
    bar.DrawGradient(from, to, 10, 5, 20, 3, dc, false);
    QCOMPARE(from, rgb(255, 255, 255)); // handed back resolved
    QCOMPARE(dc.pixel(10, 5), rgb(255, 255, 255));
    QCOMPARE(dc.pixel(19, 6), rgb(170, 170, 170));
    QCOMPARE(dc.pixel(15, 7), rgb(85, 85, 85));
    QCOMPARE(dc.pixel(10, 8), rgb(0, 0, 0));
    QCOMPARE(dc.pixel(20, 5), ColorRef(0));
    QCOMPARE(dc.pixel(9, 5), ColorRef(0));

    // Across: columns 3 to 5, each from row 1 down to row 4 (height is the
    // bottom end); 0.5 steps round to even.
    gdi::DeviceContext across(QSize(10, 6));
    from = rgb(0, 0, 0);
    to = rgb(1, 1, 1);
    bar.DrawGradient(from, to, 3, 1, 2, 4, across, true);
    QCOMPARE(across.pixel(3, 1), rgb(0, 0, 0));
    QCOMPARE(across.pixel(4, 3), rgb(0, 0, 0)); // 0.5 goes to 0
    QCOMPARE(across.pixel(5, 3), rgb(1, 1, 1));
    QCOMPARE(across.pixel(4, 4), ColorRef(0));
    QCOMPARE(across.pixel(6, 1), ColorRef(0));

    // No lines to count: one line in the start colour.
    gdi::DeviceContext single(QSize(10, 4));
    from = rgb(9, 9, 9);
    to = rgb(200, 200, 200);
    bar.DrawGradient(from, to, 2, 0, 0, 3, single, true);
    QCOMPARE(single.pixel(2, 2), rgb(9, 9, 9));
    QCOMPARE(single.pixel(3, 2), ColorRef(0));
}

// ---- Design ------------------------------------------------------------------

void XPProgressBarTest::freshBarWritesWhatDiffersFromDefaults()
{
    XP_ProgressBar bar;
    gdi::PropertyBag bag;
    bar.UserControl_WriteProperties(bag);
    // Creation leaves the hatch style at 0 and the colour resolved, both
    // unlike their stored defaults; the font has no default.
    QCOMPARE(bag.values().keys(),
             QStringList({QStringLiteral("BrushStyle"), QStringLiteral("Color"), QStringLiteral("Font")}));
    QCOMPARE(bag.readProperty(QStringLiteral("BrushStyle")).toInt(), 0);
    QCOMPARE(ColorRef(bag.readProperty(QStringLiteral("Color")).toLongLong()), rgb(10, 36, 106));
}

void XPProgressBarTest::emptyDesignGivesTheDefaults()
{
    XP_ProgressBar bar;
    bar.UserControl_ReadProperties(gdi::PropertyBag());
    QCOMPARE(bar.Max(), 100);
    QCOMPARE(bar.Min(), 0);
    QCOMPARE(bar.Orientation(), 0);
    QCOMPARE(bar.Scrolling(), 0);
    QCOMPARE(bar.ShowText(), false);
    QCOMPARE(bar.Value(), 0);
    QCOMPARE(bar.Color(), rgb(10, 36, 106));
    QVERIFY(bar.Image().isNull());
    gdi::PropertyBag bag;
    bar.UserControl_WriteProperties(bag);
    QCOMPARE(bag.values().keys(), QStringList({QStringLiteral("Color"), QStringLiteral("Font")}));
}

void XPProgressBarTest::designRoundTrip()
{
    QImage tile(3, 2, QImage::Format_RGB32);
    tile.fill(qRgb(200, 100, 0));
    QFont font = textFont();
    font.setBold(true);

    auto original = makeBar(649, 17, 9, true);
    original->setBrushStyle(2);
    original->setImage(tile);
    original->setMax(20);
    original->setMin(10);
    original->setOrientation(1);
    original->setFont(font);
    original->setValue(15);

    gdi::PropertyBag bag;
    original->UserControl_WriteProperties(bag);
    QCOMPARE(bag.readProperty(QStringLiteral("Scrolling")).toInt(), 9);
    QCOMPARE(bag.readProperty(QStringLiteral("ShowText")).toBool(), true);
    QCOMPARE(bag.readProperty(QStringLiteral("Value")).toInt(), 15);
    QCOMPARE(ColorRef(bag.readProperty(QStringLiteral("Color")).toLongLong()), c);

    XP_ProgressBar copy;
    copy.resize(649, 17);
    copy.UserControl_ReadProperties(bag);
    QCOMPARE(copy.Max(), 20);
    QCOMPARE(copy.Min(), 10);
    QCOMPARE(copy.Value(), 15);
    QCOMPARE(copy.Orientation(), 1);
    QCOMPARE(copy.Scrolling(), 9);
    QCOMPARE(copy.ShowText(), true);
    QCOMPARE(copy.Color(), c);
    QCOMPARE(copy.Image(), tile);
    QCOMPARE(copy.Font(), font);
    QCOMPARE(copy.picture(), original->picture());

    gdi::PropertyBag again;
    copy.UserControl_WriteProperties(again);
    QCOMPARE(again.values(), bag.values());
}

void XPProgressBarTest::designValueIsScaledByTheRangeReadBefore()
{
    // The test-package window's design, with a range of 0 to 200.
    gdi::PropertyBag bag(QVariantMap{{QStringLiteral("BrushStyle"), 0},
                                     {QStringLiteral("Color"), qint64(c)},
                                     {QStringLiteral("Font"), textFont()},
                                     {QStringLiteral("Max"), 200},
                                     {QStringLiteral("Scrolling"), 9},
                                     {QStringLiteral("ShowText"), true},
                                     {QStringLiteral("Value"), 100}});
    XP_ProgressBar bar;
    bar.resize(649, 17);
    bar.UserControl_ReadProperties(bag);
    QCOMPARE(bar.Value(), 100);
    QCOMPARE(bar.picture(), drawn(649, 17, 9, 50, true)); // half way
}

QTEST_MAIN(XPProgressBarTest)
#include "tst_xp_progressbar.moc"
