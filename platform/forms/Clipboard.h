#pragma once

#include <QString>

// The system clipboard as the windows use it: text only.
namespace forms::clipboard {

void clear();
void setText(const QString& text);
// The clipboard's text; empty when it holds none.
QString text();

} // namespace forms::clipboard
