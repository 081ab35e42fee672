#pragma once

#include <QString>

namespace questionwindow {
class frmMain;
}

// How every loader hands the question window a new question set: named steps
// that each loader takes in its own order, and the query texts they share.
namespace questionsets {

using questionwindow::frmMain;

// ---- The steps -----------------------------------------------------------

// The status panel "Chapter": the set shown or the action just done.
void setCaption(frmMain& window, const QString& caption);

// The set marker txtQ: a chapter title, "Snore", "Sneeze", "YAYAYA".
void setMarker(frmMain& window, const QString& marker);

// Replaces Data1's record source and re-runs it: the first record of the new
// set is current (all bound boxes empty for an empty set) and the record-
// change step has run, and that record is shown unanswered (no option picked,
// answer and verdict hidden, its verdict to be counted). A source the
// database refuses throws.
void setQuery(frmMain& window, const QString& recordSource);

// Runs a query whose rows are ordered by a per-row random key. The database
// draws a fresh random key for every row of every run, so one run is already
// a uniform random order (and, with a top count, a uniform random choice);
// running it again and again would show nothing the last run did not.
void randomRequery(frmMain& window, const QString& randomQuery);

// txtCount := the number of records in the set ("0" for an empty set); the
// first record is current afterwards.
void countStep(frmMain& window);

// txtMark := txtCall of the set's last record (empty for an empty set); the
// first record is current afterwards.
void markStep(frmMain& window);

// The count step for a loader that stays on the first record: the record
// count is exact without a trip to the last record and back, so the record
// shown is neither left nor read again.
void countInPlace(frmMain& window);
// The mark step for a set the user stands in: the last record's number is
// read where it lies, so the record shown (or a question being typed) stays.
void markInPlace(frmMain& window);

// Right after a set query: true when the set has no record.
bool emptySetTest(const frmMain& window);

// Ends a set menu's new set: count step, mark step, and the record display
// of the first record, so the count, the last question and the picture and
// video shown all belong to the set on screen rather than to the one before.
void settleNewSet(frmMain& window);

// ---- Query texts -----------------------------------------------------------
// Titles are quoted with their own quotes doubled, so "Captain's Duties"
// works as well as any other title.

// "SELECT * FROM table1 where Chapter='<title>'"
QString chapterQuery(const QString& title);

// The level filter txtRoute: "1" or "2" restricts a set to that level; any
// other text means both levels.
enum class Level { Both, One, Two };
Level levelOf(const QString& route);

// The set menus of the question window. A marker other than "Snore" is
// taken as a chapter title.
QString orderQuery(const QString& marker);       // "Order Questions"
QString randomizeQuery(const QString& marker);   // "Randomize Questions"
QString resetLevelsQuery(const QString& marker); // "Reset To Display Both Levels"
QString resetChapterQuery(const QString& chapter); // "Reset Chapter"
// The random tests keep the first `count` rows of a random order.
QString currentChapterTestQuery(int count, const QString& chapter, Level level);
QString entireBankTestQuery(int count, Level level);

} // namespace questionsets
