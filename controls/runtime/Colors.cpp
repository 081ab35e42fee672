#include "controls/runtime/Colors.h"

#include "platform/core/Units.h"
#include "platform/gdi/Color.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace qvrun {

namespace {

QSizeF screenDpi()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
    return {double(platform::designPixelsPerInch), double(platform::designPixelsPerInch)};
}

} // namespace

std::uint32_t translateColor(std::uint32_t oleColor)
{
    return gdi::resolveColor(oleColor);
}

QColor toColor(std::uint32_t oleColor)
{
    return gdi::toQColor(translateColor(oleColor));
}

std::uint32_t fromColor(const QColor& color)
{
    return gdi::fromQColor(color);
}

int xHimetricToPixels(int himetric)
{
    return int(std::lround(himetric * screenDpi().width() / double(platform::himetricPerInch)));
}

int yHimetricToPixels(int himetric)
{
    return int(std::lround(himetric * screenDpi().height() / double(platform::himetricPerInch)));
}

} // namespace qvrun
