// The resizing control: controls grow with their canvas from its design
// size, and come back to their design exactly.

#include "platform/forms/ReSize.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>

using forms::ReSize;

namespace {

// A shown window with a canvas of 400 by 300 and three controls on it: one
// taking the canvas's font, one with a font of its own, and one that
// touches it on the right.
void setPoints(QWidget& widget, double points)
{
    QFont font = widget.font();
    font.setPointSizeF(points);
    widget.setFont(font);
}

struct Canvas {
    Canvas()
    {
        canvas = new QWidget(&window);
        setPoints(*canvas, 10);
        canvas->setGeometry(0, 0, 400, 300);
        button = new QLabel(QStringLiteral("Fire Streams"), canvas);
        button->setGeometry(10, 20, 100, 30);
        heading = new QLabel(QStringLiteral("Test Bank II"), canvas);
        setPoints(*heading, 14);
        heading->setGeometry(150, 5, 101, 41);
        neighbour = new QLabel(QStringLiteral("Ladders"), canvas);
        neighbour->setGeometry(110, 20, 33, 30);
        resize = new ReSize(*canvas, QSize(400, 300));
        window.resize(1200, 900);
        window.show();
    }
    QWidget window;
    QWidget* canvas;
    QLabel* button;
    QLabel* heading;
    QLabel* neighbour;
    ReSize* resize;
};

} // namespace

class ReSizeTest : public QObject {
    Q_OBJECT

private slots:
    void controlsGrowWithTheCanvas_data();
    void controlsGrowWithTheCanvas();
    void designSizeGivesBackTheDesign();
    void controlPlacedByCodeKeepsItsPlace();
    void framedControlsGrowWithTheirFrame();
};

void ReSizeTest::controlsGrowWithTheCanvas_data()
{
    QTest::addColumn<QSize>("canvasSize");
    QTest::addColumn<QRect>("button");
    QTest::addColumn<double>("fontScale");
    QTest::newRow("twice the design") << QSize(800, 600) << QRect(20, 40, 200, 60) << 2.0;
    QTest::newRow("wider only") << QSize(800, 300) << QRect(20, 20, 200, 30) << 1.0;
    QTest::newRow("taller only") << QSize(400, 450) << QRect(10, 30, 100, 45) << 1.0;
    QTest::newRow("wider and taller unevenly") << QSize(1000, 450) << QRect(25, 30, 250, 45) << 1.5;
    QTest::newRow("smaller: the design stays") << QSize(200, 150) << QRect(10, 20, 100, 30) << 1.0;
}

void ReSizeTest::controlsGrowWithTheCanvas()
{
    QFETCH(QSize, canvasSize);
    QFETCH(QRect, button);
    QFETCH(double, fontScale);
    Canvas c;
    c.canvas->resize(canvasSize);

    QCOMPARE(c.button->geometry(), button);
    QCOMPARE(c.button->font().pointSizeF(), 10 * fontScale);
    QCOMPARE(c.heading->font().pointSizeF(), 14 * fontScale);
    QCOMPARE(c.resize->fontScale(), fontScale);
    // Controls that touch at the design size still touch.
    QCOMPARE(c.neighbour->geometry().left(), c.button->geometry().right() + 1);
}

void ReSizeTest::designSizeGivesBackTheDesign()
{
    Canvas c;
    const QRect heading = c.heading->geometry();
    c.canvas->resize(1234, 777);
    QVERIFY(c.heading->geometry() != heading);
    c.canvas->resize(987, 301);
    c.canvas->resize(400, 300);
    QCOMPARE(c.button->geometry(), QRect(10, 20, 100, 30));
    QCOMPARE(c.heading->geometry(), heading);
    QCOMPARE(c.neighbour->geometry(), QRect(110, 20, 33, 30));
    QCOMPARE(c.button->font().pointSizeF(), 10.0);
    QCOMPARE(c.heading->font().pointSizeF(), 14.0);
}

// A control moved, or made, while the canvas is grown is read back to the
// design size: it keeps its place relative to the others.
void ReSizeTest::controlPlacedByCodeKeepsItsPlace()
{
    Canvas c;
    c.canvas->resize(800, 600);
    c.button->move(100, 100);
    auto* added = new QLabel(QStringLiteral("Exit"), c.canvas);
    added->setGeometry(600, 500, 100, 60);
    added->show();

    c.canvas->resize(400, 300);
    QCOMPARE(c.button->geometry(), QRect(50, 50, 100, 30));
    QCOMPARE(added->geometry(), QRect(300, 250, 50, 30));
    c.canvas->resize(1200, 900);
    QCOMPARE(c.button->geometry(), QRect(150, 150, 300, 90));
    QCOMPARE(added->geometry(), QRect(900, 750, 150, 90));
}

// The option buttons of a frame grow with it, in their places inside it.
void ReSizeTest::framedControlsGrowWithTheirFrame()
{
    QWidget window;
    auto* canvas = new QWidget(&window);
    canvas->setGeometry(0, 0, 400, 300);
    auto* frame = new QGroupBox(QStringLiteral("Displaying Question Banks"), canvas);
    frame->setGeometry(20, 200, 360, 80);
    auto* option = new QLabel(QStringLiteral("Show Question Bank 1"), frame);
    option->setGeometry(10, 20, 150, 20);
    ReSize resize(*canvas, QSize(400, 300));
    window.resize(800, 600);
    window.show();

    canvas->resize(800, 600);
    QCOMPARE(frame->geometry(), QRect(40, 400, 720, 160));
    QCOMPARE(option->geometry(), QRect(20, 40, 300, 40));
    canvas->resize(400, 300);
    QCOMPARE(option->geometry(), QRect(10, 20, 150, 20));
}

QTEST_MAIN(ReSizeTest)
#include "tst_resize.moc"
