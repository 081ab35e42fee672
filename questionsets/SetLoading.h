#pragma once

#include <QString>

// The query texts every loader hands the question window's set (see
// questionsets/QuestionSet.h for the steps that load them).
namespace questionsets {

// ---- Query texts -----------------------------------------------------------
// Titles are quoted with their own quotes doubled, so "Captain's Duties"
// works as well as any other title.

// "SELECT * FROM table1 where Chapter='<title>'"
QString chapterQuery(const QString& title);

// The level filter txtRoute: "1" or "2" restricts a set to that level; any
// other text means both levels.
enum class Level { Both, One, Two };
Level levelOf(const QString& route);
// The stored level of One or Two ("1", "2"), as a set's questions hold it in FF.
QString levelText(Level level);

// The set menus of the question window. A marker other than "Snore" is
// taken as a chapter title.
QString orderQuery(const QString& marker);         // "Order Questions"
QString randomizeQuery(const QString& marker);     // "Randomize Questions"
QString resetLevelsQuery(const QString& marker);   // "Reset To Display Both Levels"
QString resetChapterQuery(const QString& chapter); // "Reset Chapter"
// The random tests keep the first `count` rows of a random order.
QString currentChapterTestQuery(int count, const QString& chapter, Level level);
QString entireBankTestQuery(int count, Level level);

} // namespace questionsets
