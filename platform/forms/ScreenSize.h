#pragma once

#include <QSize>
#include <QString>

namespace forms {

// The screen size as the windows compare it: " 1024 x 768" (each number with
// a leading blank, joined by " x").
QString screenSizeText(const QSize& size);
// The same for the real primary screen.
QString screenSizeText();

} // namespace forms
