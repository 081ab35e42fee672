#include "appearance/SkinTable.h"

#include "settings/Markers.h"

namespace appearance {

namespace {

using L = QLatin1String;

constexpr Skin table[] = {
    {L("Water"), L("\\images\\water.jpg"), L("\\images\\bluebrick.jpg"), whiteColor, whiteColor,
     L("\\images\\sk_water.jpg")},
    {L("Leather"), L("\\images\\leather.jpg"), L("\\images\\leather.jpg"), blackColor, blackColor,
     L("\\images\\sk_leather.jpg")},
    {L("Paper"), L("\\images\\paper2.jpg"), L("\\images\\paper2.jpg"), blackColor, blackColor,
     L("\\images\\sk_paper.jpg")},
    {L("Rock"), L("\\images\\rock.jpg"), L("\\images\\marble.jpg"), blackColor, whiteColor,
     L("\\images\\sk_blkpaper.jpg")},
    {L("Blue"), L("\\images\\blue.jpg"), L("\\images\\Parch1.jpg"), blackColor, whiteColor, L("\\images\\sk_blue.jpg")},
    {L("Parchment"), L("\\images\\Parch1.jpg"), L("\\images\\Parch1.jpg"), blackColor, blackColor,
     L("\\images\\sk_parch.jpg")},
    {L("Smoke"), L("\\images\\smoke.jpg"), L("\\images\\smoke.jpg"), blackColor, blackColor,
     L("\\images\\sk_smoke.jpg")},
    {L("Blue Brick"), L("\\images\\bluebrick.jpg"), L("\\images\\paper2.jpg"), blackColor, whiteColor,
     L("\\images\\sk_blubrick.jpg")},
    {L("White Brick"), L("\\images\\whitebrick.jpg"), L("\\images\\whitebrick.jpg"), blackColor, blackColor,
     L("\\images\\sk_wtbrick.jpg")},
    {L("Marble"), L("\\images\\marble.jpg"), L("\\images\\marble.jpg"), blackColor, blackColor,
     L("\\images\\sk_marble.jpg")},
    {L("Sand"), L("\\images\\sand.jpg"), L("\\images\\sand.jpg"), blackColor, blackColor, L("\\images\\sk_sand.jpg")},
    {L("Beach"), L("\\images\\beach.jpg"), L("\\images\\beach.jpg"), blackColor, blackColor,
     L("\\images\\sk_beach.jpg")},
    {L("Nantucket"), L("\\images\\nan5.jpg"), L("\\images\\paper2.jpg"), blackColor, blackColor,
     L("\\images\\sk_nan5.jpg")},
    {markers::nantucketTwoSkin, L("\\images\\nan2.jpg"), L("\\images\\beach.jpg"), blackColor, blackColor,
     L("\\images\\sk_nantucket2.jpg")},
    {L("Dune"), L("\\images\\dune1.jpg"), L("\\images\\paper2.jpg"), blackColor, blackColor,
     L("\\images\\sk_nantucket3.jpg")},
};

} // namespace

std::span<const Skin> skinTable()
{
    return table;
}

QStringList skinNames()
{
    QStringList names;
    for (const Skin& skin : table)
        names << QString(skin.name);
    return names;
}

const Skin* findSkin(const QString& name)
{
    for (const Skin& skin : table) {
        if (name == skin.name)
            return &skin;
    }
    return nullptr;
}

} // namespace appearance
