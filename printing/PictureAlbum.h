#pragma once

#include "printing/TestPackage.h"

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

namespace print {
class Composer;
}

namespace printing {

// One question of the set as the album prints it: its texts, and the full
// path of its picture (empty when the question has none).
struct AlbumQuestion {
    PrintedQuestion question;
    QString picturePath;
};

// The pictures of one album, each file read once however many questions
// show it, and read no larger than a picture cell needs, so an album of many
// large photographs stays small. A file that is missing or cannot be read
// as a picture gives no picture.
class AlbumPictures {
public:
    // The largest picture a cell needs, in pixels: the cell at print quality.
    static QSize cellPixels();

    QImage picture(const QString& path);
    // How many files were read (each distinct path once).
    int filesRead() const { return filesRead_; }

private:
    QHash<QString, QImage> pictures_;
    int filesRead_ = 0;
};

// Questions to a page: two across, two down.
constexpr int albumQuestionsPerPage = 4;

// The album's header when the user has typed no title of his own.
QString albumTitle(const SetTitle& title);

// A text cell: the question's number and text, then its four answers.
QString albumCellText(int number, const PrintedQuestion& q);

// Composes the picture album as a new document: one table per page, four
// questions to a table, each question's text above its picture scaled into
// the cell with its shape kept. Questions are numbered on across the pages.
// When the set ends inside a table, its remaining cells stay empty. A
// picture that cannot be read leaves its cell empty. An empty set is
// refused and the document left as it was.
PackageResult composePictureAlbum(print::Composer& composer, const std::vector<AlbumQuestion>& questions,
                                  const PrintSettings& settings, const SetTitle& title, AlbumPictures& pictures);

} // namespace printing
