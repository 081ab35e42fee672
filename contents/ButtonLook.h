#pragma once

#include <QString>

#include <span>

namespace forms {
class Qv3dLabel;
}

// The looks the tables of contents give their label buttons.
namespace contents {

// A caption longer than this many characters is set on two lines.
inline constexpr int oneLineCaptionLength = 35;

bool needsTwoLines(const QString& caption);
// Each button follows the length of its own caption.
void setTwoLineCaptions(std::span<forms::Qv3dLabel* const> buttons);

void setCaptionColors(std::span<forms::Qv3dLabel* const> buttons, int rgb);

// Lays the texture on every button. A file that cannot be read leaves every
// button's texture as it was and returns false.
bool setTextures(std::span<forms::Qv3dLabel* const> buttons, const QString& path);

// The held-down look of the window buttons ("The Entire Test", Exit, the
// bank buttons): pressed, the bevel goes flat and the caption moves one blank
// to the right; released, the bevel rises and the button shows its release
// caption.
void holdDown(forms::Qv3dLabel& button);
void release(forms::Qv3dLabel& button, const QString& releaseCaption);

} // namespace contents
