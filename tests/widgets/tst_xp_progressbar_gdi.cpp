// The drawing layer under the drawn progress bar: the pixel results of the
// classic drawing calls it relies on.

#include "platform/gdi/Brush.h"
#include "platform/gdi/Color.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Edge.h"
#include "platform/gdi/PropertyBag.h"
#include "platform/gdi/Rounding.h"

#include <QTest>

using namespace gdi;

namespace {

constexpr ColorRef ground = rgb(1, 2, 3); // what "untouched" looks like
constexpr ColorRef ink = rgb(200, 0, 0);
constexpr ColorRef paper = rgb(0, 0, 200);

DeviceContext groundSurface(int width, int height)
{
    DeviceContext dc(QSize(width, height));
    dc.fillRect({0, 0, width, height}, Brush::solid(ground));
    return dc;
}

// One character per pixel, rows separated by '|', for the colours in `legend`;
// any other colour shows as '?'.
QString picture(const DeviceContext& dc, const QList<QPair<QChar, ColorRef>>& legend)
{
    QString out;
    for (int y = 0; y < dc.size().height(); ++y) {
        if (y)
            out += QLatin1Char('|');
        for (int x = 0; x < dc.size().width(); ++x) {
            QChar c = QLatin1Char('?');
            for (const auto& [symbol, colour] : legend)
                if (dc.pixel(x, y) == colour)
                    c = symbol;
            out += c;
        }
    }
    return out;
}

const QList<QPair<QChar, ColorRef>> inkLegend = {
    {QLatin1Char('.'), ground}, {QLatin1Char('#'), ink}, {QLatin1Char('o'), paper}};

} // namespace

class GdiSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void systemColours_data();
    void systemColours();
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();

    void linesLeaveOutTheirEndPoint_data();
    void linesLeaveOutTheirEndPoint();
    void turnedOverFillsTakeTheMirroredRectangle_data();
    void turnedOverFillsTakeTheMirroredRectangle();
    void frameRectDrawsTheInnerRing();
    void hatchPatterns_data();
    void hatchPatterns();
    void hatchGapsFollowTheBackgroundMode();
    void hatchStylesOutsideTheSix_data();
    void hatchStylesOutsideTheSix();
    void patternBrushTilesFromTheOrigin();
    void edges_data();
    void edges();

    void textIsMeasuredAndClippedToItsRectangle();
    void bitBltCopiesABlock();
    void surfaceWithoutBitmapDrawsNothing();

    void propertyBagLeavesOutDefaults();
};

void GdiSurfaceTest::systemColours_data()
{
    QTest::addColumn<ColorRef>("color");
    QTest::addColumn<ColorRef>("resolved");
    QTest::newRow("highlight 13") << systemColor(13) << rgb(10, 36, 106);
    QTest::newRow("button face 15") << systemColor(15) << rgb(212, 208, 200);
    QTest::newRow("button shadow 16") << systemColor(16) << rgb(128, 128, 128);
    QTest::newRow("button highlight 20") << systemColor(20) << rgb(255, 255, 255);
    QTest::newRow("3-D dark shadow 21") << systemColor(21) << rgb(64, 64, 64);
    QTest::newRow("3-D light 22") << systemColor(22) << rgb(212, 208, 200);
    QTest::newRow("window 5") << systemColor(5) << rgb(255, 255, 255);
    QTest::newRow("no such number") << systemColor(31) << ColorRef(0);
    QTest::newRow("a number beyond a byte") << ColorRef(0x8000010D) << ColorRef(0);
    QTest::newRow("RGB stays") << rgb(49, 106, 197) << rgb(49, 106, 197);
    QTest::newRow("white stays") << ColorRef(0xFFFFFF) << ColorRef(0xFFFFFF);
}

void GdiSurfaceTest::systemColours()
{
    QFETCH(ColorRef, color);
    QFETCH(ColorRef, resolved);
    QCOMPARE(resolveColor(color), resolved);
}

void GdiSurfaceTest::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("rounded");
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("188.5") << 188.5 << 188.0;
    QTest::newRow("2.5000001") << 2.5000001 << 3.0;
    QTest::newRow("2.4999999") << 2.4999999 << 2.0;
    QTest::newRow("-0.5") << -0.5 << 0.0;
    QTest::newRow("-1.5") << -1.5 << -2.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("-2.6") << -2.6 << -3.0;
    QTest::newRow("7") << 7.0 << 7.0;
}

void GdiSurfaceTest::roundsHalvesToEven()
{
    QFETCH(double, x);
    QFETCH(double, rounded);
    QCOMPARE(roundHalfEven(x), rounded);
}

void GdiSurfaceTest::linesLeaveOutTheirEndPoint_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rightwards") << QPoint(1, 1) << QPoint(4, 1) << "......|.###..|......|......";
    QTest::newRow("leftwards") << QPoint(4, 1) << QPoint(1, 1) << "......|..###.|......|......";
    QTest::newRow("downwards") << QPoint(2, 0) << QPoint(2, 3) << "..#...|..#...|..#...|......";
    QTest::newRow("upwards") << QPoint(2, 3) << QPoint(2, 0) << "......|..#...|..#...|..#...";
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(3, 3) << "#.....|.#....|..#...|......";
    QTest::newRow("no length") << QPoint(2, 2) << QPoint(2, 2) << "......|......|......|......";
    QTest::newRow("clipped") << QPoint(-3, 3) << QPoint(9, 3) << "......|......|......|######";
}

void GdiSurfaceTest::linesLeaveOutTheirEndPoint()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QString, expected);
    DeviceContext dc = groundSurface(6, 4);
    dc.selectPen(Pen{ink, false});
    dc.moveTo(from.x(), from.y());
    dc.lineTo(to.x(), to.y());
    QCOMPARE(picture(dc, inkLegend), expected);
    // The end point becomes the current position for the next line.
    QCOMPARE(dc.moveTo(0, 0), to);
}

void GdiSurfaceTest::turnedOverFillsTakeTheMirroredRectangle_data()
{
    QTest::addColumn<Rect>("rect");
    QTest::addColumn<QString>("expected");
    QTest::newRow("upright") << Rect{1, 1, 3, 2} << "......|.##...|......|......";
    QTest::newRow("empty width") << Rect{2, 1, 2, 3} << "......|......|......|......";
    // Right of left by -2: the columns left - 1 and left, not left - 2.
    QTest::newRow("turned over across") << Rect{3, 1, 1, 2} << "......|..##..|......|......";
    // Bottom 1 above top 3: rows 2 and 3.
    QTest::newRow("turned over down") << Rect{1, 3, 2, 1} << "......|......|.#....|.#....";
    QTest::newRow("one back") << Rect{1, 0, 0, 1} << ".#....|......|......|......";
}

void GdiSurfaceTest::turnedOverFillsTakeTheMirroredRectangle()
{
    QFETCH(Rect, rect);
    QFETCH(QString, expected);
    DeviceContext dc = groundSurface(6, 4);
    dc.fillRect(rect, Brush::solid(ink));
    QCOMPARE(picture(dc, inkLegend), expected);
}

void GdiSurfaceTest::frameRectDrawsTheInnerRing()
{
    DeviceContext dc = groundSurface(6, 4);
    dc.frameRect({1, 0, 5, 4}, Brush::solid(ink));
    QCOMPARE(picture(dc, inkLegend), QStringLiteral(".####.|.#..#.|.#..#.|.####."));

    DeviceContext turned = groundSurface(6, 4);
    turned.frameRect({5, 0, 1, 4}, Brush::solid(ink));
    turned.frameRect({1, 2, 5, 2}, Brush::solid(ink));
    QCOMPARE(picture(turned, inkLegend), QStringLiteral("......|......|......|......"));
}

void GdiSurfaceTest::hatchPatterns_data()
{
    // One 8 x 8 cell; the fill covers two cells each way from the origin.
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("cell");
    QTest::newRow("horizontal") << 0 << "oooooooo|oooooooo|oooooooo|########|oooooooo|oooooooo|oooooooo|oooooooo";
    QTest::newRow("vertical") << 1 << "oooo#ooo|oooo#ooo|oooo#ooo|oooo#ooo|oooo#ooo|oooo#ooo|oooo#ooo|oooo#ooo";
    QTest::newRow("forward diagonal")
        << 2 << "#ooooooo|o#oooooo|oo#ooooo|ooo#oooo|oooo#ooo|ooooo#oo|oooooo#o|ooooooo#";
    QTest::newRow("backward diagonal")
        << 3 << "ooooooo#|oooooo#o|ooooo#oo|oooo#ooo|ooo#oooo|oo#ooooo|o#oooooo|#ooooooo";
    QTest::newRow("cross") << 4 << "oooo#ooo|oooo#ooo|oooo#ooo|########|oooo#ooo|oooo#ooo|oooo#ooo|oooo#ooo";
    QTest::newRow("diagonal cross")
        << 5 << "#oooooo#|o#oooo#o|oo#oo#oo|ooo##ooo|ooo##ooo|oo#oo#oo|o#oooo#o|#oooooo#";
}

void GdiSurfaceTest::hatchPatterns()
{
    QFETCH(int, style);
    QFETCH(QString, cell);
    const QStringList rows = cell.split(QLatin1Char('|'));
    QStringList expected;
    for (int y = 0; y < 16; ++y)
        expected << rows[y % 8] + rows[y % 8];

    DeviceContext dc = groundSurface(16, 16);
    dc.setBkColor(paper);
    dc.fillRect({0, 0, 16, 16}, Brush::hatch(style, ink));
    QCOMPARE(picture(dc, inkLegend), expected.join(QLatin1Char('|')));

    // The pattern belongs to the surface, not to the rectangle: a fill that
    // starts inside a cell continues the same pattern.
    DeviceContext offset = groundSurface(16, 16);
    offset.setBkColor(paper);
    offset.fillRect({3, 5, 16, 16}, Brush::hatch(style, ink));
    QCOMPARE(offset.pixel(11, 13), dc.pixel(11, 13));
    QCOMPARE(offset.pixel(2, 13), ground);
}

void GdiSurfaceTest::hatchGapsFollowTheBackgroundMode()
{
    DeviceContext dc = groundSurface(8, 4);
    dc.setBkColor(paper);
    dc.setBkMode(BackgroundMode::Transparent);
    dc.fillRect({0, 0, 8, 4}, Brush::hatch(int(HatchStyle::Cross), ink));
    QCOMPARE(picture(dc, inkLegend), QStringLiteral("....#...|....#...|....#...|########"));
}

void GdiSurfaceTest::hatchStylesOutsideTheSix_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("expected");
    QTest::newRow("6 is solid") << 6 << "####|####";
    QTest::newRow("11 is solid") << 11 << "####|####";
    QTest::newRow("12 makes no brush") << 12 << "....|....";
    QTest::newRow("negative makes no brush") << -1 << "....|....";
}

void GdiSurfaceTest::hatchStylesOutsideTheSix()
{
    QFETCH(int, style);
    QFETCH(QString, expected);
    DeviceContext dc = groundSurface(4, 2);
    dc.setBkColor(paper);
    dc.fillRect({0, 0, 4, 2}, Brush::hatch(style, ink));
    QCOMPARE(picture(dc, inkLegend), expected);
}

void GdiSurfaceTest::patternBrushTilesFromTheOrigin()
{
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.setPixel(0, 0, toQRgb(ink));
    tile.setPixel(1, 0, toQRgb(paper));
    tile.setPixel(0, 1, toQRgb(paper));
    tile.setPixel(1, 1, toQRgb(paper));
    DeviceContext dc = groundSurface(5, 3);
    const Brush previous = dc.selectBrush(Brush::pattern(tile));
    dc.patBlt(1, 0, 4, 3);
    dc.selectBrush(previous);
    QCOMPARE(picture(dc, inkLegend), QStringLiteral(".o#o#|.oooo|.o#o#"));

    DeviceContext none = groundSurface(2, 1);
    none.fillRect({0, 0, 2, 1}, Brush::pattern(QImage()));
    QCOMPARE(picture(none, inkLegend), QStringLiteral(".."));
}

void GdiSurfaceTest::edges_data()
{
    // S button shadow, H button highlight, D 3-D dark shadow, L 3-D light.
    QTest::addColumn<unsigned>("edgeBits");
    QTest::addColumn<QString>("expected");
    QTest::newRow("sunken outer (2)") << edge::sunkenOuter << "SSSSSH|S....H|S....H|S....H|HHHHHH";
    QTest::newRow("etched (6)") << edge::etched << "SSSSSH|SHHHSH|SH..SH|SSSSSH|HHHHHH";
    QTest::newRow("bump (9)") << edge::bump << "LLLLLD|LDDDLD|LD..LD|LLLLLD|DDDDDD";
    QTest::newRow("sunken (10)") << edge::sunken << "SSSSSH|SDDDLH|SD..LH|SLLLLH|HHHHHH";
}

void GdiSurfaceTest::edges()
{
    QFETCH(unsigned, edgeBits);
    QFETCH(QString, expected);
    DeviceContext dc = groundSurface(6, 5);
    dc.selectPen(Pen{ink, false});
    dc.moveTo(4, 4);
    drawEdge(dc, {0, 0, 6, 5}, edgeBits, side::all);
    const QList<QPair<QChar, ColorRef>> legend = {{QLatin1Char('.'), ground},
                                                  {QLatin1Char('S'), rgb(128, 128, 128)},
                                                  {QLatin1Char('H'), rgb(255, 255, 255)},
                                                  {QLatin1Char('D'), rgb(64, 64, 64)},
                                                  {QLatin1Char('L'), rgb(212, 208, 200)}};
    QCOMPARE(picture(dc, legend), expected);

    // The caller's pen and position are left as they were.
    dc.lineTo(3, 4);
    QCOMPARE(dc.pixel(4, 4), ink);
}

void GdiSurfaceTest::textIsMeasuredAndClippedToItsRectangle()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    DeviceContext dc = groundSurface(120, 20);
    dc.selectFont(font);
    dc.setTextColor(ink);
    dc.setBkMode(BackgroundMode::Transparent);

    Rect measured{5, 3, 5, 3};
    const int height = dc.drawText(QStringLiteral("MMMMMM"), measured, text::calcRect);
    QVERIFY(measured.width() > 30);
    QCOMPARE(measured.height(), height);
    QCOMPARE(picture(dc, inkLegend).count(QLatin1Char('#')), 0); // measuring draws nothing

    Rect narrow{5, 3, 15, 3 + height};
    dc.drawText(QStringLiteral("MMMMMM"), narrow, text::singleLine);
    int inked = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 120; ++x) {
            const ColorRef p = dc.pixel(x, y);
            QVERIFY2(p == ground || p == ink, "glyphs are drawn without smoothing");
            if (p == ink) {
                ++inked;
                QVERIFY(x >= 5 && x < 15 && y >= 3 && y < 3 + height);
            }
        }
    }
    QVERIFY(inked > 0);
}

void GdiSurfaceTest::bitBltCopiesABlock()
{
    DeviceContext source = groundSurface(4, 4);
    source.setPixel(1, 1, ink);
    source.setPixel(2, 1, paper);
    DeviceContext target = groundSurface(5, 3);
    target.bitBlt(3, 0, 2, 2, source, 1, 1);
    QCOMPARE(picture(target, inkLegend), QStringLiteral("...#o|.....|....."));
}

void GdiSurfaceTest::surfaceWithoutBitmapDrawsNothing()
{
    DeviceContext dc;
    QVERIFY(dc.isNull());
    dc.fillRect({0, 0, 10, 10}, Brush::solid(ink));
    dc.moveTo(0, 0);
    dc.lineTo(5, 0);
    dc.setPixel(1, 1, ink);
    QCOMPARE(dc.pixel(1, 1), 0xFFFFFFFFu);
}

void GdiSurfaceTest::propertyBagLeavesOutDefaults()
{
    PropertyBag bag;
    bag.writeProperty(QStringLiteral("Max"), 100, 100);
    bag.writeProperty(QStringLiteral("Min"), 5, 0);
    bag.writeProperty(QStringLiteral("Font"), QStringLiteral("any"));
    bag.writeProperty(QStringLiteral("Image"), QVariant());
    QCOMPARE(bag.values().keys(), QStringList({QStringLiteral("Font"), QStringLiteral("Min")}));
    QCOMPARE(bag.readProperty(QStringLiteral("Max"), 100).toInt(), 100);
    QCOMPARE(bag.readProperty(QStringLiteral("Min"), 0).toInt(), 5);

    // Writing the default again drops the value stored before.
    bag.writeProperty(QStringLiteral("Min"), 0, 0);
    QVERIFY(!bag.contains(QStringLiteral("Min")));
    QCOMPARE(bag.readProperty(QStringLiteral("Min"), 0).toInt(), 0);
}

QTEST_MAIN(GdiSurfaceTest)
#include "tst_xp_progressbar_gdi.moc"
