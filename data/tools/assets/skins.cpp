#include "skins.h"

#include "output.h"
#include "scenes.h"
#include "textures.h"

#include <QImage>
#include <functional>
#include <vector>

namespace assets {

namespace {

const QSize kBackgroundSize(1024, 768);
const QSize kPreviewSize(160, 120);

struct Skin {
    // File names are written in lower case; the program matches them without regard to case.
    const char *background; // window background and button texture, or nullptr
    const char *preview;    // the skin picture
    std::function<QImage(QSize)> draw;
};

const std::vector<Skin> &skins()
{
    static const std::vector<Skin> table = {
        {"water.jpg", "sk_water.jpg", textures::water},
        {"leather.jpg", "sk_leather.jpg", textures::leather},
        {"paper2.jpg", "sk_paper.jpg", textures::paper},
        {"rock.jpg", nullptr, textures::rock},
        {nullptr, "sk_blkpaper.jpg", textures::blackPaper},
        {"blue.jpg", "sk_blue.jpg", textures::blue},
        {"parch1.jpg", "sk_parch.jpg", textures::parchment},
        {"smoke.jpg", "sk_smoke.jpg", textures::smoke},
        {"bluebrick.jpg", "sk_blubrick.jpg", textures::blueBrick},
        {"whitebrick.jpg", "sk_wtbrick.jpg", textures::whiteBrick},
        {"marble.jpg", "sk_marble.jpg", textures::marble},
        {"sand.jpg", "sk_sand.jpg", textures::sand},
        {"beach.jpg", "sk_beach.jpg", scenes::beach},
        {"nan5.jpg", "sk_nan5.jpg", scenes::lighthouseBluff},
        {"nan2.jpg", "sk_nantucket2.jpg", scenes::harbour},
        {"dune1.jpg", "sk_nantucket3.jpg", scenes::dunes},
        {nullptr, "sk_electric.jpg", textures::electric},
        {nullptr, "sk_yellow.jpg", textures::yellow},
    };
    return table;
}

} // namespace

bool writeSkins(const QString &folder)
{
    const QString images = folder + QStringLiteral("/images/");
    for (const Skin &skin : skins()) {
        // The preview is the full picture made small, so it shows what the skin looks like.
        const QImage full = skin.draw(kBackgroundSize);
        if (skin.background && !writeJpeg(full, images + QLatin1String(skin.background)))
            return false;
        if (skin.preview) {
            const QImage small = full.scaled(kPreviewSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            if (!writeJpeg(small, images + QLatin1String(skin.preview), 85))
                return false;
        }
    }
    return true;
}

} // namespace assets
