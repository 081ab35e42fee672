#include "platform/forms/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace forms::clipboard {

void clear()
{
    QGuiApplication::clipboard()->clear();
}

void setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString text()
{
    return QGuiApplication::clipboard()->text();
}

} // namespace forms::clipboard
