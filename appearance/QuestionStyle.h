#pragma once

#include <QString>
#include <QStringList>

namespace settings {
struct ScreenFont;
}

namespace appearance {

// How the question window shows the question, its four answers and the
// notes. Each applies at once, whether the window is shown or hidden (it is
// loaded, hidden, when it is not loaded yet). Defined with the window
// (questionwindow/frmMain_view.cpp), so the appearance never names it.

// The font of the six text boxes; colours stay as they are.
void showScreenFont(const settings::ScreenFont& font);
// The text colour of the six boxes, the canvas behind them, the four options
// and the four answer labels.
void showFontColor(int rgb);
// The back colour of the six boxes, the canvas and the four options.
void showCanvasColor(int rgb);

// The screen font as the settings store keeps it in four texts (name,
// "True"/"False" for bold and italic, size); a field that does not read
// keeps the default's value there, so a dialog always opens on a font.
settings::ScreenFont storedScreenFont(const QStringList& fields);
// A stored colour in decimal digits; black for anything else.
int storedColor(const QString& field);

} // namespace appearance
