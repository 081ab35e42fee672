#pragma once

#include <QString>

// What the printing windows ask of the question window beyond its set (the
// set itself they read through questionsets::questionWindow()). Each call
// loads the question window, hidden, when it is not loaded yet, but for
// refreshQuestionWindowUsers. Defined with the window
// (questionwindow/frmMain_reports.cpp and frmMain_users.cpp), so printing
// never names it.
namespace printing {

struct ScoreSummary;
enum class PageReferences;

// The score board and the times of the run on the question window.
ScoreSummary questionWindowScore();

// The test-package window's "Quick Report": asks whether to include the page
// references; Cancel prints nothing.
void printQuickReport();
void printQuickReport(PageReferences references);
// The test-package window's "Print Picture Album".
void printPictureAlbum();

// The users window's OK: the chosen user's last name in the user box.
void showQuestionWindowUser(const QString& lastName);
// A user stored: the question window's users cursor reads its table again,
// when the window is loaded.
void refreshQuestionWindowUsers();

} // namespace printing
