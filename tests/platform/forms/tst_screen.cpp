#include "platform/forms/Hourglass.h"
#include "platform/forms/ScreenSize.h"
#include "platform/forms/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

using namespace forms;

class ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { restorePointer(); }

    void twipsToPixels_data();
    void twipsToPixels();
    void rectAndGeometryFromTwips();
    void hourglassIsNotStacked();
    void hourglassGuard();
    void nestedGuardLeavesTheOuterHourglass();
    void screenSizeTextFormat_data();
    void screenSizeTextFormat();
    void screenSizeTextOfTheRealScreen();
};

void ScreenTest::twipsToPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("rounds down") << 7 << 0;
    QTest::newRow("rounds up") << 8 << 1;
    QTest::newRow("wide question box") << 14250 << 950;
    QTest::newRow("narrow question box") << 10600 << 707;
    QTest::newRow("negative") << -150 << -10;
}

void ScreenTest::twipsToPixels()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(toPixels(twips), pixels);
    QCOMPARE(toTwips(pixels), pixels * 15);
}

void ScreenTest::rectAndGeometryFromTwips()
{
    QCOMPARE(rectFromTwips(150, 300, 1500, 450), QRect(10, 20, 100, 30));
    QCOMPARE(pointFromTwips(-15, 30), QPoint(-1, 2));
    QWidget parent;
    auto* child = new QWidget(&parent);
    setGeometryTwips(*child, 150, 300, 1500, 450);
    QCOMPARE(child->geometry(), QRect(10, 20, 100, 30));
    setWidthTwips(*child, 9800);
    QCOMPARE(child->width(), 653);
    QCOMPARE(child->height(), 30);
    QCOMPARE(widthTwips(*child), 653 * 15);
}

void ScreenTest::hourglassIsNotStacked()
{
    QVERIFY(!hourglassShown());
    setHourglass();
    setHourglass();
    QVERIFY(hourglassShown());
    restorePointer();
    QVERIFY(!hourglassShown());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

    restorePointer(); // restoring a normal pointer is harmless
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void ScreenTest::hourglassGuard()
{
    {
        Hourglass busy;
        QVERIFY(hourglassShown());
        setHourglass(); // a step inside sets it again
    }
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void ScreenTest::nestedGuardLeavesTheOuterHourglass()
{
    setHourglass();
    {
        Hourglass inner;
    }
    QVERIFY(hourglassShown()); // still busy for whoever set it
    restorePointer();
    QVERIFY(!hourglassShown());
}

void ScreenTest::screenSizeTextFormat_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("text");
    QTest::newRow("1024") << QSize(1024, 768) << " 1024 x 768";
    QTest::newRow("800") << QSize(800, 600) << " 800 x 600";
    QTest::newRow("wide") << QSize(1920, 1080) << " 1920 x 1080";
}

void ScreenTest::screenSizeTextFormat()
{
    QFETCH(QSize, size);
    QFETCH(QString, text);
    QCOMPARE(screenSizeText(size), text);
}

void ScreenTest::screenSizeTextOfTheRealScreen()
{
    const QSize size = QGuiApplication::primaryScreen()->geometry().size();
    QVERIFY(!size.isEmpty());
    QCOMPARE(screenSizeText(), screenSizeText(size));
}

QTEST_MAIN(ScreenTest)
#include "tst_screen.moc"
