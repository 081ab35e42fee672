#include "platform/forms/Twips.h"

#include <QWidget>
#include <cmath>

namespace forms {

int toPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

int toTwips(int pixels)
{
    return pixels * twipsPerPixel;
}

QPoint pointFromTwips(int left, int top)
{
    return QPoint(toPixels(left), toPixels(top));
}

QRect rectFromTwips(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

void setGeometryTwips(QWidget& control, int left, int top, int width, int height)
{
    control.setGeometry(rectFromTwips(left, top, width, height));
}

int widthTwips(const QWidget& control)
{
    return toTwips(control.width());
}

void setWidthTwips(QWidget& control, int width)
{
    control.resize(toPixels(width), control.height());
}

} // namespace forms
