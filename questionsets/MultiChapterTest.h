#pragma once

#include "questionsets/SetLoading.h"

#include <QString>
#include <QStringList>

// The rules of a random test drawn from several chapters at once: how many
// chapters it may span, the query that draws it, the caption it is shown
// under. Free of windows; frmSelect gathers the choices and applies them.
namespace questionsets {

// A test spans at most this many chapters.
inline constexpr int maxTestChapters = 24;

// The test's title box: this placeholder alone means the test has no title.
// Once the title check box has been cleared the box holds the other one,
// which counts as a title like anything the user types.
inline constexpr QLatin1StringView untitledTest{"Enter Test Title Here!"};
inline constexpr QLatin1StringView titlePlaceholder{"Enter A Test Title Here!"};

// The level the window's options choose: level 1, else level 2, else both.
Level chosenLevel(bool levelOne, bool levelTwo);

// The questions of any of `chapters` (at `level`). Titles are quoted, so a
// title is matched as written, quotes and pattern characters included. With
// no chapter the condition holds for no question.
QString multiChapterCondition(const QStringList& chapters, Level level);

// Draws `count` of those questions (all of them when there are fewer), each
// choice equally likely: one query ordered by a per-row random key.
QString multiChapterTestQuery(int count, const QStringList& chapters, Level level);

// At most one question of the test's chapters and level, to learn whether a
// draw can find any before the question window's set is replaced.
QString multiChapterProbeQuery(const QStringList& chapters, Level level);

// The set caption: "Random Test - Multiple Chapters", or for the full 24
// chapters at one level the test's title ("Custom Test Multiple Chapters"
// while the title box holds its first placeholder).
QString multiChapterCaption(int chapters, Level level, const QString& title);

} // namespace questionsets
