#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace appearance {

// Caption and label colours of a skin, as 24-bit values.
inline constexpr int blackColor = 0;
inline constexpr int whiteColor = 0xFFFFFF;

// One named look of the program's windows. Picture values are paths under the
// program folder ("\\images\\water.jpg"); join them with App::file, which
// matches their letter case against what is on disk.
struct Skin {
    QLatin1String name;
    QLatin1String windowBackground; // behind every window but the question window
    QLatin1String buttonTexture;    // on the label buttons of the tables of contents
    int captionColor;               // of those buttons
    int labelColor;                 // of the labels lying on a window's picture
    QLatin1String skinPicture;      // the question window's background and the chooser's preview
};

// The fifteen skins the user can choose, in the chooser's order.
std::span<const Skin> skinTable();
QStringList skinNames();

// The row whose name equals `name` exactly (letter case and blanks count:
// "water" and "Water " are no skin), or none. A window that finds none keeps
// the look it has.
const Skin* findSkin(const QString& name);

} // namespace appearance
