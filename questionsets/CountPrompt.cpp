#include "questionsets/CountPrompt.h"

#include "platform/data/Quoting.h"
#include "platform/forms/Dialogs.h"

namespace questionsets {

CountAnswer readCountAnswer(const QString& typed)
{
    if (typed.isEmpty() || typed == QLatin1String("0"))
        return {CountAnswer::Cancelled, 0};
    // " 0" and "00" are not the cancelling "0", yet name no question either.
    const std::optional<int> count = data::positiveCount(typed);
    if (!count)
        return {CountAnswer::Refused, 0};
    return {CountAnswer::Count, *count};
}

void refuseCount(const QString& typed)
{
    forms::msgBox(QStringLiteral("\"") + typed
                      + QStringLiteral("\" is not a number of questions. Please enter a whole number greater than 0."),
                  forms::vbOKOnly + forms::vbExclamation, QStringLiteral("Brisolt Speaks"));
}

std::optional<int> askQuestionCount()
{
    return askQuestionCount(QStringLiteral("Enter Number Of Questions"),
                            QStringLiteral("Enter Number Of Questions You Would Like Included In This Test."));
}

std::optional<int> askQuestionCount(const QString& prompt, const QString& title)
{
    const QString typed = forms::inputBox(prompt, title);
    const CountAnswer answer = readCountAnswer(typed);
    if (answer.kind == CountAnswer::Refused) {
        refuseCount(typed);
        return std::nullopt;
    }
    if (answer.kind == CountAnswer::Cancelled)
        return std::nullopt;
    return answer.count;
}

} // namespace questionsets
