#pragma once

#include <QString>

class QPrinter;

namespace forms {

struct PrintChoice;

// The file filter of a step ("QFX Files (*.qfx)|*.qfx | All Files (*.*) | *.* ",
// description and patterns in turns, patterns split by ";", blanks around
// each part not counting) as the file dialog takes it: "QFX Files (*.qfx);;All
// Files (*.*)". A description that does not name its patterns gets them
// added, since the dialog reads the patterns from the description alone. A
// description without patterns is dropped; an empty filter offers every file.
QString qtFileFilter(const QString& filter);

// Sets the printer up as the user chose in the printer dialog.
void applyPrintChoice(QPrinter& printer, const PrintChoice& choice);

} // namespace forms
