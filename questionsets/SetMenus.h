#pragma once

#include <QString>

#include <functional>

namespace data {
class DataControl;
}

// The work of the question window's set menus: each loads a new set into the
// window's question set and settles it, or tells the user why there is none.
// What the window does around a set (its menus, leaving) stays with the window.
namespace questionsets {

class QuestionSet;

// ---- The current chapter or the whole bank again (ChapterSets.cpp) -----------

// "Order Questions": stored order.
void showInOrder(QuestionSet& set);
// "Randomize Questions": a random order.
void showRandomized(QuestionSet& set);
// A random test of a number the user is asked for, from the chapter on screen
// or from the whole bank, within the level filter. A cancel draws nothing.
void drawChapterTest(QuestionSet& set);
void drawBankTest(QuestionSet& set);
// "Reset To Display Both Levels": the level filter cleared.
void resetLevels(QuestionSet& set);
// "Reset Chapter": the whole chapter on screen.
void resetChapter(QuestionSet& set);
// The whole question table of the program folder's bank.
void resetToBank(QuestionSet& set);

// ---- One level (LevelSets.cpp) ---------------------------------------------------

// Only the questions of `level` ("1" or "2") of the chapter on screen, or of
// the whole bank while the whole bank is shown; the level becomes the level
// filter. False when there is none: the user was told to choose another chapter.
bool showLevel(QuestionSet& set, const QString& level);

// ---- Reviews (ReviewSets.cpp) ------------------------------------------------------
// Each keeps to the level filter; false when there is nothing to review (the
// user was told).

bool showDrillSet(QuestionSet& set);     // questions marked when answered wrongly
bool showChapterWrong(QuestionSet& set); // wrongly answered questions of the chapter on screen
bool showAllWrong(QuestionSet& set);     // every wrongly answered question

// ---- Number searches (NumberSearch.cpp) ----------------------------------------------

void searchChapterNumber(QuestionSet& set);  // QNUM within the chapter on screen
void searchDatabaseNumber(QuestionSet& set); // Call, whatever chapter is shown

// ---- Keyword search (KeywordSearch.cpp) -----------------------------------------------

// The questions whose long-text fields hold a word or phrase the user types.
// `progress` hears how far a first search got in indexing the bank, in per
// cent. False when a search found nothing and the user would not search again.
bool searchKeywords(QuestionSet& set, const std::function<void(int)>& progress);

// ---- Saved session (SavedSession.cpp) ---------------------------------------------------

// The score board as a saved session keeps it.
struct SessionCounters {
    QString right;
    QString wrong;
    QString score;
    QString total;
};

// Replaces the saved session, read through `session`, with the set shown and
// `counters`, in one store: a failure (thrown), or the program killed on the
// way, leaves the previous session whole. `session` stands on the new
// session's first row afterwards.
void replaceSavedSession(QuestionSet& set, data::DataControl& session, const SessionCounters& counters);

} // namespace questionsets
