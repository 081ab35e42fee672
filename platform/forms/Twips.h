#pragma once

#include "platform/core/Units.h"

#include <QRect>

class QWidget;

namespace forms {

// Positions and sizes in the windows' design are in twips; the pixel
// conversions are the core's (platform/core/Units.h).
using platform::toPixels;
using platform::toTwips;

QPoint pointFromTwips(int left, int top);
QRect rectFromTwips(int left, int top, int width, int height);

// Moves and sizes a control in twips.
void setGeometryTwips(QWidget& control, int left, int top, int width, int height);
int widthTwips(const QWidget& control);
void setWidthTwips(QWidget& control, int width);

} // namespace forms
