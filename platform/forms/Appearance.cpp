#include "platform/forms/Appearance.h"

#include "platform/core/Errors.h"
#include "platform/gdi/Color.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

namespace forms {

QColor colorFromValue(int value)
{
    if (value < 0 || value > 0xFFFFFF)
        throw platform::errors::invalidPropertyValue();
    return gdi::toQColor(gdi::ColorRef(value));
}

int valueFromColor(const QColor& color)
{
    return int(gdi::fromQColor(color));
}

int foreColorOf(const QWidget& control)
{
    return valueFromColor(control.palette().color(control.foregroundRole()));
}

void setForeColorOf(QWidget& control, int value)
{
    const QColor color = colorFromValue(value);
    QPalette palette = control.palette();
    // Labels paint with WindowText, edits with Text, buttons with ButtonText.
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, color);
    control.setPalette(palette);
}

int backColorOf(const QWidget& control)
{
    return valueFromColor(control.palette().color(control.backgroundRole()));
}

void setBackColorOf(QWidget& control, int value)
{
    const QColor color = colorFromValue(value);
    QPalette palette = control.palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, color);
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

void setFontNameOf(QWidget& control, const QString& name)
{
    if (name.trimmed().isEmpty())
        throw platform::errors::invalidPropertyValue();
    QFont font = control.font();
    font.setFamily(name);
    control.setFont(font);
}

void setFontSizeOf(QWidget& control, double points)
{
    if (!(points > 0.0) || points > 2160.0)
        throw platform::errors::invalidPropertyValue();
    QFont font = control.font();
    font.setPointSizeF(points);
    control.setFont(font);
}

void setFontBoldOf(QWidget& control, bool on)
{
    QFont font = control.font();
    font.setBold(on);
    control.setFont(font);
}

void setFontItalicOf(QWidget& control, bool on)
{
    QFont font = control.font();
    font.setItalic(on);
    control.setFont(font);
}

void setFontUnderlineOf(QWidget& control, bool on)
{
    QFont font = control.font();
    font.setUnderline(on);
    control.setFont(font);
}

} // namespace forms
