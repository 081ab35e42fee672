#pragma once

namespace appearance {

// The font and colour items of the main table of contents. Each shows its
// choice on the question window at once (loading it, hidden, when it is not
// loaded yet) and stores it in the settings row at once. A cancelled dialog
// changes nothing, shown or stored.

// "Change Screen Fonts": the font of the question, answers and notes. A
// choice without a face name is asked for again.
void changeScreenFonts();
// "Reset Screen Fonts": back to MS Sans Serif, regular, 8 points; the colours
// stay as they are.
void resetScreenFonts();
// "Change Font Color" and "Change Canvas Color". A failure on the way ends
// the item quietly; what was already set stays set.
void changeFontColor();
void changeCanvasColor();

} // namespace appearance
