#include "../platform/print/Poppler.h"

#include "platform/print/Composer.h"
#include "platform/print/PrintControl.h"
#include "printing/PictureAlbum.h"
#include "printing/PrintSettings.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <map>

using namespace printing;

namespace {

// Pictures of known shapes in a folder of their own, and a file that only
// pretends to be one.
struct PictureFolder {
    QTemporaryDir dir;

    PictureFolder()
    {
        draw(QStringLiteral("wide.png"), QSize(400, 100), Qt::red);
        draw(QStringLiteral("tall.png"), QSize(100, 400), Qt::blue);
        draw(QStringLiteral("square.png"), QSize(200, 200), Qt::green);
        draw(QStringLiteral("large.jpg"), QSize(3000, 2000), Qt::darkCyan);
        QFile broken(path(QStringLiteral("broken.jpg")));
        if (broken.open(QIODevice::WriteOnly))
            broken.write("\xFF\xD8\xFF\xE0 this is no picture at all");
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    void draw(const QString& name, QSize size, Qt::GlobalColor color) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        QPainter painter(&image);
        painter.fillRect(QRect(QPoint(0, 0), size / 2), Qt::white);
        painter.end();
        image.save(path(name));
    }
};

// Question n reads "Question n" with answers "an" to "dn"; its picture is
// the n-th of `pictures` (a name in the folder, "" for none).
std::vector<AlbumQuestion> albumOf(int count, const PictureFolder& folder, const QStringList& pictures = {})
{
    std::vector<AlbumQuestion> questions;
    for (int i = 0; i < count; ++i) {
        const QString n = QString::number(i + 1);
        const QString picture = pictures.value(i, QStringLiteral("square.png"));
        questions.push_back({{i + 1, QStringLiteral("Question ") + n, u'a' + n, u'b' + n, u'c' + n, u'd' + n,
                              QStringLiteral("A"), QString(), QStringLiteral("Ropes")},
                             picture.isEmpty() ? QString() : folder.path(picture)});
    }
    return questions;
}

const SetTitle chapterSet{QStringLiteral("Ropes"), QString(), QStringLiteral("Knots")};

// The text cells of a page, from the top left, as their first question line
// reads: "n) Question n".
QStringList numberedCells(const print::Page& page)
{
    std::vector<const print::TextRun*> runs;
    for (const print::TextRun& run : page.runs)
        if (run.text.contains(QStringLiteral(") Question ")))
            runs.push_back(&run);
    std::sort(runs.begin(), runs.end(), [](const print::TextRun* a, const print::TextRun* b) {
        return a->top != b->top ? a->top < b->top : a->x < b->x;
    });
    QStringList cells;
    for (const print::TextRun* run : runs)
        cells << run->text;
    return cells;
}

} // namespace

class PictureAlbumTest : public QObject {
    Q_OBJECT

private slots:
    void fourQuestionsToAPage_data();
    void fourQuestionsToAPage();
    void cellTextAndPlaces();
    void picturesKeepTheirShapeInTheirCells_data();
    void picturesKeepTheirShapeInTheirCells();
    void eachPictureIsReadOnceAndNoLargerThanACell();
    void noTableRunsPastTheTextArea_data();
    void noTableRunsPastTheTextArea();
    void headers_data();
    void headers();
    void emptySetIsRefusedAndTheDocumentKept();
    void albumPrintsToPdf();
};

// Pages, numbers and pictures for sets of 1 to 9: a set that ends inside a
// page leaves the rest of that page's cells empty and repeats nothing.
void PictureAlbumTest::fourQuestionsToAPage_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<QStringList>>("pages"); // the numbered cells of each page

    const auto cells = [](int from, int to) {
        QStringList list;
        for (int n = from; n <= to; ++n)
            list << QString::number(n) + QStringLiteral(") Question ") + QString::number(n);
        return list;
    };
    QTest::newRow("1") << 1 << QList<QStringList>{cells(1, 1)};
    QTest::newRow("3") << 3 << QList<QStringList>{cells(1, 3)};
    QTest::newRow("4") << 4 << QList<QStringList>{cells(1, 4)};
    QTest::newRow("5") << 5 << QList<QStringList>{cells(1, 4), cells(5, 5)};
    QTest::newRow("8") << 8 << QList<QStringList>{cells(1, 4), cells(5, 8)};
    QTest::newRow("9") << 9 << QList<QStringList>{cells(1, 4), cells(5, 8), cells(9, 9)};
}

void PictureAlbumTest::fourQuestionsToAPage()
{
    QFETCH(int, count);
    QFETCH(QList<QStringList>, pages);

    PictureFolder folder;
    AlbumPictures pictures;
    print::Composer composer;
    const PackageResult result =
        composePictureAlbum(composer, albumOf(count, folder), PrintSettings{}, chapterSet, pictures);
    QVERIFY(result.composed());
    const print::Document& document = composer.document();
    QCOMPARE(int(document.pages.size()), pages.size());
    for (int page = 0; page < pages.size(); ++page) {
        QCOMPARE(numberedCells(document.pages[page]), pages[page]);
        QCOMPARE(int(document.pages[page].pictures.size()), pages[page].size());
        // The table is drawn whole, empty cells included: five rules across
        // and three down.
        QCOMPARE(int(document.pages[page].rules.size()), 5 + 3);
    }
}

// A cell begins with a line break, puts two between the question and its
// answers; the four positions are the text rows 1 and 3, two across, each
// with its picture in the cell below.
void PictureAlbumTest::cellTextAndPlaces()
{
    PrintedQuestion knot;
    knot.question = QStringLiteral("Which knot?");
    knot.a = QStringLiteral("Bowline");
    knot.b = QStringLiteral("Hitch");
    knot.c = QStringLiteral("Sheet bend");
    knot.d = QStringLiteral("Square");
    QCOMPARE(albumCellText(7, knot),
             QStringLiteral("\r7) Which knot?\r\rA) Bowline\rB) Hitch\rC) Sheet bend\rD) Square"));

    PictureFolder folder;
    AlbumPictures pictures;
    print::Composer composer;
    composePictureAlbum(composer, albumOf(4, folder), PrintSettings{}, chapterSet, pictures);
    const print::Page& page = composer.document().pages.front();
    std::map<int, const print::TextRun*> questionRuns; // number -> its first line
    for (const print::TextRun& run : page.runs)
        if (run.text.contains(QStringLiteral(") Question ")))
            questionRuns[run.text.section(u')', 0, 0).toInt()] = &run;
    QCOMPARE(int(questionRuns.size()), 4);
    QCOMPARE(questionRuns[1]->top, questionRuns[2]->top);
    QVERIFY(questionRuns[1]->x < questionRuns[2]->x);
    QCOMPARE(questionRuns[1]->x, questionRuns[3]->x);
    QVERIFY(questionRuns[3]->top > questionRuns[1]->top);
    // Each picture lies below its question's text and above the next row's.
    for (const print::PictureItem& picture : page.pictures) {
        const bool left = picture.x < questionRuns[2]->x;
        const bool top = picture.top < questionRuns[3]->top;
        const print::TextRun* above = questionRuns[(top ? 1 : 3) + (left ? 0 : 1)];
        QVERIFY(picture.top > above->top + above->height);
    }
    // An answer line follows the question after an empty line.
    const auto answerA = std::find_if(page.runs.begin(), page.runs.end(),
                                      [](const print::TextRun& run) { return run.text == QStringLiteral("A) a1"); });
    QVERIFY(answerA != page.runs.end());
    QCOMPARE(answerA->top, questionRuns[1]->top + 2 * questionRuns[1]->height);
}

// Wide and tall pictures fill their cell one way and keep their shape,
// centred; a question without a picture, with a missing file or with a file
// that is no picture gets an empty picture cell and the album goes on.
void PictureAlbumTest::picturesKeepTheirShapeInTheirCells_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<double>("aspect"); // width over height; 0: no picture

    QTest::newRow("wide") << "wide.png" << 4.0;
    QTest::newRow("tall") << "tall.png" << 0.25;
    QTest::newRow("square") << "square.png" << 1.0;
    QTest::newRow("large photograph") << "large.jpg" << 1.5;
    QTest::newRow("none") << "" << 0.0;
    QTest::newRow("missing file") << "gone.jpg" << 0.0;
    QTest::newRow("no picture inside") << "broken.jpg" << 0.0;
}

void PictureAlbumTest::picturesKeepTheirShapeInTheirCells()
{
    QFETCH(QString, picture);
    QFETCH(double, aspect);

    PictureFolder folder;
    AlbumPictures pictures;
    print::Composer composer;
    // The picture under test in the second position, between two squares.
    const PackageResult result = composePictureAlbum(
        composer, albumOf(3, folder, {QStringLiteral("square.png"), picture, QStringLiteral("square.png")}),
        PrintSettings{}, chapterSet, pictures);
    QVERIFY(result.composed());
    const print::Page& page = composer.document().pages.front();
    QCOMPARE(numberedCells(page).size(), 3);

    std::vector<print::PictureItem> items = page.pictures;
    std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return a.top != b.top ? a.top < b.top : a.x < b.x;
    });
    QCOMPARE(int(items.size()), aspect > 0 ? 3 : 2);
    const print::PictureItem& square = items[0];
    if (aspect == 0.0) {
        // The squares stand in positions 1 and 3: left column, both rows.
        QCOMPARE(items[1].x, square.x);
        return;
    }
    const print::PictureItem& item = items[1];
    QVERIFY(item.x > square.x);
    QVERIFY(qAbs((item.top + item.height / 2) - (square.top + square.height / 2)) <= 1);
    QVERIFY(qAbs(double(item.width) / item.height - aspect) < 0.02 * aspect);
    // The cell is three inches wide and two and a half high: the picture
    // fills it in one direction, inside a small padding.
    const int cellWidth = 3 * 1440;
    const int cellHeight = 5 * 1440 / 2;
    QVERIFY(item.width <= cellWidth && item.height <= cellHeight);
    QVERIFY(item.width > cellWidth - 300 || item.height > cellHeight - 300);
    QCOMPARE(square.height, qMin(square.width, cellHeight - 120));
}

// A picture shown by several questions is read once and shared; a large
// photograph is kept no larger than its cell needs.
void PictureAlbumTest::eachPictureIsReadOnceAndNoLargerThanACell()
{
    PictureFolder folder;
    AlbumPictures pictures;
    print::Composer composer;
    QStringList names;
    for (int i = 0; i < 12; ++i)
        names << (i % 3 == 0 ? QStringLiteral("large.jpg") : i % 3 == 1 ? QStringLiteral("gone.jpg")
                                                                        : QStringLiteral("wide.png"));
    composePictureAlbum(composer, albumOf(12, folder, names), PrintSettings{}, chapterSet, pictures);
    QCOMPARE(pictures.filesRead(), 3);

    QSet<qint64> shared;
    for (const print::Page& page : composer.document().pages) {
        for (const print::PictureItem& item : page.pictures) {
            shared.insert(item.image.cacheKey());
            QVERIFY(item.image.width() <= AlbumPictures::cellPixels().width());
            QVERIFY(item.image.height() <= AlbumPictures::cellPixels().height());
        }
    }
    QCOMPARE(shared.size(), 2);
    QCOMPARE(pictures.picture(folder.path(QStringLiteral("large.jpg"))).size(),
             QSize(3000, 2000).scaled(AlbumPictures::cellPixels(), Qt::KeepAspectRatio));
}

// Long questions, a question longer than a page, and large type: every
// line, picture and rule stays inside the text area, no picture lies over
// text, and every question is printed whole with its picture.
void PictureAlbumTest::noTableRunsPastTheTextArea_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("words"); // words added to each question, by position in the set
    QTest::addColumn<QString>("size");      // the body type's size

    QTest::newRow("long questions") << 8 << QList<int>{60, 70, 80, 90, 60, 70, 80, 90} << "10";
    QTest::newRow("one question longer than a page") << 4 << QList<int>{0, 1500, 0, 0} << "10";
    QTest::newRow("large type") << 6 << QList<int>{10, 20, 5, 30, 0, 15} << "24";
}

void PictureAlbumTest::noTableRunsPastTheTextArea()
{
    QFETCH(int, count);
    QFETCH(QList<int>, words);
    QFETCH(QString, size);

    PictureFolder folder;
    std::vector<AlbumQuestion> questions = albumOf(count, folder, {"wide.png", "tall.png", "square.png"});
    for (int i = 0; i < count; ++i)
        questions[std::size_t(i)].question.question += QStringLiteral(" hose").repeated(words.value(i));
    PrintSettings settings;
    settings.size = size;
    AlbumPictures pictures;
    print::Composer composer;
    QVERIFY(composePictureAlbum(composer, questions, settings, chapterSet, pictures).composed());

    const print::PageLayout& layout = composer.layout();
    QStringList texts;
    int pictureCount = 0;
    for (const print::Page& page : composer.document().pages) {
        const int number = int(&page - composer.document().pages.data()) + 1;
        for (const print::TextRun& run : page.runs) {
            // The header and footer lines stand in the margins.
            if (run.top == layout.headerTop || run.top + run.height == layout.footerBottom)
                continue;
            QVERIFY2(run.top >= layout.textTop() && run.top + run.height <= layout.textBottom(),
                     qPrintable(QStringLiteral("page %1: %2").arg(number).arg(run.text.left(20))));
            texts << run.text;
        }
        for (const print::PictureItem& picture : page.pictures) {
            ++pictureCount;
            QVERIFY2(picture.top >= layout.textTop() && picture.top + picture.height <= layout.textBottom(),
                     qPrintable(QStringLiteral("picture on page %1").arg(number)));
            QVERIFY(picture.height > 0 && picture.width > 0);
            const QRect box(picture.x, picture.top, picture.width, picture.height);
            for (const print::TextRun& run : page.runs)
                QVERIFY2(!box.intersects(QRect(run.x, run.top, run.width, run.height)), qPrintable(run.text));
        }
        for (const print::Rule& rule : page.rules) {
            if (page.frame != print::PageFrame::none)
                break;
            QVERIFY2(qMin(rule.y1, rule.y2) >= layout.textTop() && qMax(rule.y1, rule.y2) <= layout.textBottom(),
                     qPrintable(QStringLiteral("rule on page %1").arg(number)));
        }
    }
    QCOMPARE(pictureCount, count);
    const QString all = texts.join(u' ');
    for (int n = 1; n <= count; ++n) {
        const QString number = QString::number(n);
        QVERIFY2(texts.contains(QStringLiteral("D) d") + number), qPrintable(number));
        QVERIFY2(all.contains(number + QStringLiteral(") Question ") + number), qPrintable(number));
    }
    // Every word of every question, none lost and none twice.
    int hoses = 0;
    for (const QString& text : texts)
        hoses += int(text.count(QStringLiteral("hose")));
    int asked = 0;
    for (int i = 0; i < count; ++i)
        asked += words.value(i);
    QCOMPARE(hoses, asked);
}

void PictureAlbumTest::headers_data()
{
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("ownTitle");
    QTest::addColumn<QString>("header");

    const QString untitledText(untitled);
    QTest::newRow("whole bank") << "Snore" << untitledText << "All Questions    ";
    QTest::newRow("multi-chapter test") << "Select" << untitledText << "Pump Week";
    QTest::newRow("chapter") << "Ropes" << untitledText << "Knots";
    QTest::newRow("own title") << "Snore" << "Midterm" << "Midterm";
    QTest::newRow("own title left empty") << "Ropes" << "" << "";
}

void PictureAlbumTest::headers()
{
    QFETCH(QString, marker);
    QFETCH(QString, ownTitle);
    QFETCH(QString, header);

    PrintSettings settings;
    settings.headerTitle = ownTitle;
    PictureFolder folder;
    AlbumPictures pictures;
    print::Composer composer;
    composePictureAlbum(composer, albumOf(5, folder), settings,
                        {marker, QStringLiteral("Pump Week"), QStringLiteral("Knots")}, pictures);
    for (const print::Page& page : composer.document().pages)
        QCOMPARE(page.header, header);
}

void PictureAlbumTest::emptySetIsRefusedAndTheDocumentKept()
{
    PictureFolder folder;
    AlbumPictures pictures;
    print::Composer composer;
    composePictureAlbum(composer, albumOf(2, folder), PrintSettings{}, chapterSet, pictures);
    const print::Document before = composer.document();

    const PackageResult result = composePictureAlbum(composer, {}, PrintSettings{}, chapterSet, pictures);
    QCOMPARE(result.refusal, emptySetRefusal());
    QVERIFY(composer.document() == before);
}

// Nine questions printed to PDF: three pages, every cell's text, and the
// pictures on each page.
void PictureAlbumTest::albumPrintsToPdf()
{
    PictureFolder folder;
    AlbumPictures pictures;
    print::PrintControl control;
    composePictureAlbum(control, albumOf(9, folder, {"wide.png", "tall.png", "", "large.jpg", "broken.jpg"}),
                        PrintSettings{}, chapterSet, pictures);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.path(QStringLiteral("album.pdf")));
    print::printDocument(control.document(), printer);
    QCOMPARE(printtest::pdfPages(printer.outputFileName()), 3);

    const QString text = printtest::pdfText(printer.outputFileName()).simplified();
    for (int n = 1; n <= 9; ++n) {
        const QString number = QString::number(n);
        QVERIFY2(text.contains(number + QStringLiteral(") Question ") + number), qPrintable(number));
        QVERIFY(text.contains(QStringLiteral("D) d") + number));
    }
    QVERIFY(!text.contains(QStringLiteral("10) ")));
    // Seven of the nine questions have a picture that can be read.
    const QString images =
        printtest::poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), printer.outputFileName()});
    QCOMPARE(images.split(u'\n', Qt::SkipEmptyParts).size() - 2, 7);
}

QTEST_MAIN(PictureAlbumTest)
#include "tst_picturealbum.moc"
