#include "platform/forms/Twips.h"

#include <QWidget>

namespace forms {

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
