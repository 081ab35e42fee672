#pragma once

#include <QString>

#include <optional>

// The numbers a new question is given: a database number that no other
// question of the bank holds, and the next question number of its chapter.
namespace editing {

// One above the largest database number of the whole bank (1 for a bank that
// holds none); null when that would pass the largest 32-bit number, which a
// database number must fit.
std::optional<qint64> nextDatabaseNumber(std::optional<qint64> largestInBank);

// A stored question number as a whole number; blanks around it are allowed,
// anything else ("", "12a", "1.5") is no number.
std::optional<qint64> questionNumberValue(const QString& stored);

// The question number of a new question: one above the number of the
// chapter's last question that holds one (in stored order, so a chapter
// whose last question is 7 goes on with 8 even when an earlier one is 12),
// or "1" for a chapter without numbered questions.
QString nextQuestionNumber(std::optional<qint64> lastNumbered);

} // namespace editing
