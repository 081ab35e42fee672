#include "platform/print/PrintControl.h"
#include "printing/PagePreview.h"
#include "support/TestText.h"

#include <QScrollBar>
#include <QTest>

namespace {

print::Document testOf(int questions)
{
    print::Composer c;
    c.startDocument();
    for (int number = 1; number <= questions; ++number)
        c.writeLine(testsupport::testEntry(number, testsupport::testQuestion(number)));
    c.endDocument();
    return c.document();
}

int darkPixels(const QImage& image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 64;
    return dark;
}

} // namespace

class PagePreviewTest : public QObject {
    Q_OBJECT

private slots:
    void drawsOnlyThePagesInSight_data();
    void drawsOnlyThePagesInSight();
    void showsTheComposedText();
};

// However long the document, showing it draws the pages in sight and no
// others; scrolling to the end draws the last ones.
void PagePreviewTest::drawsOnlyThePagesInSight_data()
{
    QTest::addColumn<int>("questions");
    QTest::newRow("one page") << 3;
    QTest::newRow("hundreds of pages") << 1500;
}

void PagePreviewTest::drawsOnlyThePagesInSight()
{
    QFETCH(int, questions);
    const print::Document document = testOf(questions);
    printing::PagePreview preview;
    preview.resize(800, 600);
    preview.setDocument(&document);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    (void)preview.viewport()->grab();
    QVERIFY(preview.pagesDrawn() >= 1);
    QVERIFY2(preview.pagesDrawn() <= 2, qPrintable(QString::number(preview.pagesDrawn())));

    preview.verticalScrollBar()->setValue(preview.verticalScrollBar()->maximum());
    (void)preview.viewport()->grab();
    QVERIFY(preview.pagesDrawn() <= 4);
}

void PagePreviewTest::showsTheComposedText()
{
    const print::Document document = testOf(3);
    const print::Document empty;
    printing::PagePreview preview;
    preview.resize(800, 600);
    preview.setDocument(&empty);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QCOMPARE(darkPixels(preview.viewport()->grab().toImage()), 0);
    preview.setDocument(&document);
    QVERIFY(darkPixels(preview.viewport()->grab().toImage()) > 200);
}

QTEST_MAIN(PagePreviewTest)
#include "tst_pagepreview.moc"
