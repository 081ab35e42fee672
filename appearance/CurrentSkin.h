#pragma once

namespace appearance {

struct Skin;
class SkinBackground;

// Paints the skin chosen in the main table of contents behind a window, as
// each window does when it is activated. Returns the skin, for the colours
// that go with it; none, with the background left as it was, when the name
// is no skin of the table or cannot be read.
const Skin* paintCurrentSkin(SkinBackground& background);

} // namespace appearance
