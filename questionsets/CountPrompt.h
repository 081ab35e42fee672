#pragma once

#include <QString>

#include <optional>

namespace questionsets {

// What the user typed into a count prompt.
struct CountAnswer {
    enum Kind {
        Cancelled, // the empty text (also Cancel) or exactly "0": end quietly
        Refused,   // anything else that is not a positive whole number
        Count,     // a positive whole number
    };
    Kind kind = Cancelled;
    int count = 0;
};

CountAnswer readCountAnswer(const QString& typed);

// Asks for the number of questions of a random test. Returns the count, or
// nothing when the user cancelled or typed something that is not a positive
// whole number; a refused answer is explained in a message box first, so
// only a true count ever reaches a query.
std::optional<int> askQuestionCount();
// The same with a prompt and title of the caller's own.
std::optional<int> askQuestionCount(const QString& prompt, const QString& title);

// Tells the user that `typed` is no number of questions.
void refuseCount(const QString& typed);

} // namespace questionsets
