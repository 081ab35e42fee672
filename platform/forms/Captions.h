#pragma once

#include <QKeySequence>
#include <QString>

class QWidget;

namespace forms {

// "&File" -> "File", "Save && Exit" -> "Save & Exit": the caption as read aloud.
QString stripMnemonic(const QString& caption);

// Alt with the letter or digit after the caption's "&"; none for a caption
// without one (or whose marker stands before a blank or a sign).
QKeySequence accessKeyOf(const QString& caption);

// Gives a control the accessible name of its caption unless the window chose
// one of its own with setAccessibleName; false when the window's name stays.
bool applyCaptionAccessibleName(QWidget& control, const QString& caption);

} // namespace forms
