#include "platform/forms/ScreenSize.h"

#include <QGuiApplication>
#include <QScreen>

namespace forms {

QString screenSizeText(const QSize& size)
{
    return QStringLiteral(" %1 x %2").arg(size.width()).arg(size.height());
}

QString screenSizeText()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screenSizeText(screen ? screen->geometry().size() : QSize());
}

} // namespace forms
