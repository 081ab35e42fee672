#include "controls/runtime/Colors.h"

#include "platform/gdi/Color.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace qvrun {

namespace {

constexpr double kHimetricPerInch = 2540.0;

QSizeF screenDpi()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
    return {96.0, 96.0};
}

} // namespace

std::uint32_t translateColor(std::uint32_t oleColor)
{
    return gdi::resolveColor(oleColor);
}

QColor toColor(std::uint32_t oleColor)
{
    return QColor::fromRgb(gdi::toQRgb(translateColor(oleColor)));
}

int xHimetricToPixels(int himetric)
{
    return int(std::lround(himetric * screenDpi().width() / kHimetricPerInch));
}

int yHimetricToPixels(int himetric)
{
    return int(std::lround(himetric * screenDpi().height() / kHimetricPerInch));
}

} // namespace qvrun
