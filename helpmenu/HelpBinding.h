#pragma once

#include <QString>

class QWidget;

namespace help {
class HelpViewer;
}

namespace helpmenu {

// The program's help file: "TARNIV.HLP" in the program folder. A folder that
// already ends in a separator (the root "/") takes the name without a second one.
QString helpFilePath(const QString& programFolder);

// Binds the help file of the running program to the window that owns every
// help request. The main table of contents calls it in its load step, before
// any window can ask for help; the binding lasts for the whole run.
void InitHelp(QWidget* window);

// Opens the help file at its index in the help viewer. Returns true when the
// viewer shows the index; a missing or unreadable help file is reported by the
// viewer itself, and the callers ignore the result.
bool ShowHelpContents();

// The bound help file ("" before InitHelp) and the owner of help requests.
QString boundHelpFile();
QWidget* boundHelpWindow();

// The help window of the running program, or none before the first request.
help::HelpViewer* helpViewer();

} // namespace helpmenu
