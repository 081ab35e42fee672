#pragma once

#include <QString>

// How a table of contents hands a question set to the question window.
namespace contents {

// Shows the question window on every question of one chapter: the set, its
// count, the set marker and the status panel "Chapter" all describe `title`.
// The set is in place before the window is shown, so its activation marks
// the set's last question and offers to add a question to an empty chapter;
// marker and panel are written after the activation, so they always name
// this chapter, whichever contents window was activated last. The chapter
// palette closes.
void openChapter(const QString& title);

// Shows the question window on the whole question table in stored order,
// marked "Snore", with its count; database numbers may then be renumbered,
// chapter numbers not.
void openWholeBank();

} // namespace contents
