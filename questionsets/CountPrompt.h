#pragma once

#include <QString>

#include <optional>

namespace questionsets {

// What a typed number is for. A count of questions larger than any set asks
// for all of it; a question number beyond any that can be stored names no
// question, so it is refused like any other entry that is not one.
enum class NumberUse { Count, QuestionNumber };

// What the user typed into a number prompt.
struct CountAnswer {
    enum Kind {
        Cancelled, // the empty text (also Cancel) or exactly "0": end quietly
        Refused,   // anything else that is not a positive whole number
        Count,     // a positive whole number
    };
    Kind kind = Cancelled;
    int count = 0;
};

CountAnswer readCountAnswer(const QString& typed, NumberUse use = NumberUse::Count);

// A prompt for a positive whole number and how it refuses what is none.
struct NumberPrompt {
    QString prompt;
    QString title;
    NumberUse use = NumberUse::Count;
    QString refusalTitle = QStringLiteral("Brisolt Speaks");
};

// Asks for the number. Returns it, or nothing when the user cancelled or
// typed something that is not a positive whole number; a refused answer is
// explained in a message box first, so only a true number ever reaches a
// query.
std::optional<int> askNumber(const NumberPrompt& prompt);

// The number of questions of a random test.
std::optional<int> askQuestionCount();
// The same with a prompt and title of the caller's own.
std::optional<int> askQuestionCount(const QString& prompt, const QString& title);

// Tells the user that `typed` is no number of the kind asked for.
void refuseNumber(const QString& typed, NumberUse use, const QString& title);
inline void refuseCount(const QString& typed)
{
    refuseNumber(typed, NumberUse::Count, NumberPrompt().refusalTitle);
}

} // namespace questionsets
