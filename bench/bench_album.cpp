// The picture album of N questions, each with a photograph of its own,
// beside the same pictures handled the plain way in the same run:
//   Compose_Album/N      the album composed: every picture read (no larger
//                        than its cell needs) and placed, four questions to
//                        a page
//   Plain_DecodeScale/N  every picture read whole with QImage and scaled
//                        to the cell with QImage::scaled, nothing composed
// The album should grow linearly with N (each picture read and scaled once)
// and cost no more than the plain reading and scaling of the same pictures.

#include "BenchRun.h"

#include "platform/print/Composer.h"
#include "printing/PictureAlbum.h"
#include "printing/PrintSettings.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <vector>

namespace {

// Photographs of a common camera-roll size, one per question, made once.
const QTemporaryDir& pictureFolder() { static QTemporaryDir dir; return dir; }

QString picturePath(int number)
{
    return pictureFolder().filePath(QStringLiteral("photo%1.jpg").arg(number));
}

void makePictures(int count)
{
    static int made = 0;
    for (; made < count; ++made) {
        QImage image(1024, 768, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(made * 37 % 360, 160, 220));
        QPainter painter(&image);
        painter.setBrush(Qt::darkRed);
        painter.drawEllipse(QRect(100 + made % 300, 100, 500, 400));
        painter.drawText(QRect(0, 0, 1024, 100), Qt::AlignCenter, QString::number(made));
        painter.end();
        image.save(picturePath(made), "JPG", 85);
    }
}

std::vector<printing::AlbumQuestion> album(int count)
{
    makePictures(count);
    std::vector<printing::AlbumQuestion> questions;
    for (int i = 0; i < count; ++i) {
        const QString n = QString::number(i + 1);
        questions.push_back({{i + 1, QStringLiteral("Which tool is shown in picture ") + n + QLatin1Char('?'),
                              QStringLiteral("Halligan bar"), QStringLiteral("Pike pole"),
                              QStringLiteral("Flat-head axe"), QStringLiteral("Hydrant wrench"), QStringLiteral("A"),
                              QString(), QStringLiteral("Forcible Entry")},
                             picturePath(i)});
    }
    return questions;
}

void Compose_Album(benchmark::State& state)
{
    const std::vector<printing::AlbumQuestion> questions = album(int(state.range(0)));
    const printing::SetTitle title{QStringLiteral("Forcible Entry"), QString(), QStringLiteral("Forcible Entry")};
    int pages = 0;
    for (auto _ : state) {
        print::Composer composer;
        printing::AlbumPictures pictures;
        printing::composePictureAlbum(composer, questions, printing::PrintSettings{}, title, pictures);
        pages = int(composer.document().pages.size());
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
    state.SetComplexityN(state.range(0));
}

void Plain_DecodeScale(benchmark::State& state)
{
    const std::vector<printing::AlbumQuestion> questions = album(int(state.range(0)));
    const QSize cell = printing::AlbumPictures::cellPixels();
    for (auto _ : state) {
        std::vector<QImage> scaled;
        scaled.reserve(questions.size());
        for (const printing::AlbumQuestion& question : questions)
            scaled.push_back(QImage(question.picturePath).scaled(cell, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        benchmark::DoNotOptimize(scaled.data());
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(Compose_Album)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(Plain_DecodeScale)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

int main(int argc, char** argv) { return benchrun::run<QGuiApplication>(argc, argv); }
