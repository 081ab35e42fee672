#include "printing/PictureAlbum.h"

#include "platform/print/Composer.h"

#include <QImageReader>

#include <algorithm>

namespace printing {

namespace {

// Line breaks in printed text are a lone carriage return.
const QString br = QStringLiteral("\r");

// The table of one page: text rows 1 and 3, each with its pictures in the
// row below, two questions across; a picture row is at least this high, the
// columns this wide, the table set in from the margin by this much.
const QString tableIndent = QStringLiteral(".25in");
const QString columnWidth = QStringLiteral("3in");
const QString pictureRowHeight = QStringLiteral("2.5in");
constexpr int tableRows = 4;
constexpr int tableColumns = 2;

// Pictures are kept at this resolution: fine enough to print sharp, small
// enough that a long album stays light.
constexpr int picturesPerInch = 150;

struct Cell {
    int row;
    int column;
};

// The text cell of a position on the page, 1 to 4; its picture is in the
// row below.
Cell textCellOf(int position)
{
    return {position <= 2 ? 1 : 3, (position - 1) % 2 + 1};
}

void openAlbumTable(print::Composer& composer)
{
    composer.openTable();
    composer.tableSetting(print::tablecode::indent, 0, 0, tableIndent);
    composer.tableSetting(print::tablecode::rows, 0, 0, tableRows);
    composer.tableSetting(print::tablecode::columns, 0, 0, tableColumns);
    composer.tableSetting(print::tablecode::columnWidth, -1, 0, columnWidth);
    composer.tableSetting(print::tablecode::rowHeight, 2, 0, pictureRowHeight);
    composer.tableSetting(print::tablecode::rowHeight, 4, 0, pictureRowHeight);
}

} // namespace

QSize AlbumPictures::cellPixels()
{
    // A cell is three inches wide and two and a half high.
    return QSize(3 * picturesPerInch, 5 * picturesPerInch / 2);
}

QImage AlbumPictures::picture(const QString& path)
{
    if (path.isEmpty())
        return QImage();
    const auto known = pictures_.constFind(path);
    if (known != pictures_.constEnd())
        return *known;

    ++filesRead_;
    const QSize most = cellPixels();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > most.width() || size.height() > most.height()))
        reader.setScaledSize(size.scaled(most, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    // Some formats cannot say their size before reading; those are scaled
    // after.
    if (!image.isNull() && (image.width() > most.width() || image.height() > most.height()))
        image = image.scaled(most, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    pictures_.insert(path, image);
    return image;
}

QString albumTitle(const SetTitle& title)
{
    return titleOfSet(title, QStringLiteral("All Questions    "));
}

QString albumCellText(int number, const PrintedQuestion& q)
{
    return br + QString::number(number) + QStringLiteral(") ") + q.question + br + br + QStringLiteral("A) ") + q.a + br
           + QStringLiteral("B) ") + q.b + br + QStringLiteral("C) ") + q.c + br + QStringLiteral("D) ") + q.d;
}

PackageResult composePictureAlbum(print::Composer& composer, const std::vector<AlbumQuestion>& questions,
                                  const PrintSettings& settings, const SetTitle& title, AlbumPictures& pictures)
{
    PackageResult result;
    if (questions.empty()) {
        result.refusal = emptySetRefusal();
        return result;
    }
    composer.setHeaderText(settings.hasOwnTitle() ? settings.headerTitle : albumTitle(title));
    result.replacedSettings = applyPrintSettings(composer, settings);
    composer.startDocument();

    int number = 0;
    for (std::size_t first = 0; first < questions.size(); first += albumQuestionsPerPage) {
        openAlbumTable(composer);
        // A set that ends inside a table leaves the rest of its cells empty.
        const std::size_t end = std::min(questions.size(), first + albumQuestionsPerPage);
        for (std::size_t i = first; i < end; ++i) {
            const AlbumQuestion& question = questions[i];
            const Cell text = textCellOf(int(i - first) + 1);
            composer.tableSetting(print::tablecode::cellText, text.row, text.column,
                                  albumCellText(++number, question.question));
            const QImage picture = pictures.picture(question.picturePath);
            composer.tableSetting(print::tablecode::cellPicture, text.row + 1, text.column,
                                  picture.isNull() ? QVariant() : QVariant::fromValue(picture));
            composer.tableSetting(print::tablecode::pictureFit, text.row + 1, text.column,
                                  print::tablecode::fitStretchKeepShape);
        }
        // Every table after the first goes on a page of its own.
        if (first > 0)
            composer.breakPage();
        composer.closeTable();
    }
    composer.endDocument();
    return result;
}

} // namespace printing
