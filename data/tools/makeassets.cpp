// Draws everything the program loads by path that is not the question
// database: the skin pictures, the question pictures, the start-up chime and
// the sample video clips. All of it is made here from our own code with
// fixed seeds, so every build lays out the same files.
//
// Usage: makeassets --out <folder>

#include "assets/chime.h"
#include "assets/clips.h"
#include "assets/pictures.h"
#include "assets/skins.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Text is drawn into the question pictures, which needs the font machinery.
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--out"));
    if (at < 0 || at + 1 >= args.size()) {
        std::fprintf(stderr, "usage: makeassets --out <folder>\n");
        return 2;
    }
    const QString folder = QDir(args.at(at + 1)).absolutePath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "makeassets: cannot create %s\n", qPrintable(folder));
        return 1;
    }

    const bool ok = assets::writeSkins(folder)
                    && assets::writePictures(folder)
                    && assets::writeChime(folder + QStringLiteral("/sound2.wav"))
                    && assets::writeClips(folder);
    return ok ? 0 : 1;
}
