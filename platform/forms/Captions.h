#pragma once

#include <QString>

class QWidget;

namespace forms {

// "&File" -> "File", "Save && Exit" -> "Save & Exit": the caption as read aloud.
QString stripMnemonic(const QString& caption);

// Gives a control the accessible name of its caption unless the window chose
// one of its own with setAccessibleName.
void applyCaptionAccessibleName(QWidget& control, const QString& caption);

} // namespace forms
