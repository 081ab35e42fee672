#pragma once

#include <QRect>

class QWidget;

namespace forms {

// Positions and sizes in the windows' design are in twips: 15 to a pixel at
// 96 dots per inch. Every conversion goes through here.
constexpr int twipsPerPixel = 15;

int toPixels(int twips); // rounded to the nearest pixel
int toTwips(int pixels);
QPoint pointFromTwips(int left, int top);
QRect rectFromTwips(int left, int top, int width, int height);

// Moves and sizes a control in twips.
void setGeometryTwips(QWidget& control, int left, int top, int width, int height);
int widthTwips(const QWidget& control);
void setWidthTwips(QWidget& control, int width);

} // namespace forms
