#include "questionsets/CountPrompt.h"

#include "platform/data/Quoting.h"
#include "platform/forms/Dialogs.h"

namespace questionsets {

CountAnswer readCountAnswer(const QString& typed, NumberUse use)
{
    if (typed.isEmpty() || typed == QLatin1String("0"))
        return {CountAnswer::Cancelled, 0};
    // " 0" and "00" are not the cancelling "0", yet name no question either.
    const std::optional<int> count = data::positiveCount(typed);
    if (!count)
        return {CountAnswer::Refused, 0};
    // Only digits are left here, so the conversion fails only past the
    // largest number a question can have.
    bool fits = false;
    typed.trimmed().toInt(&fits);
    if (use == NumberUse::QuestionNumber && !fits)
        return {CountAnswer::Refused, 0};
    return {CountAnswer::Count, *count};
}

void refuseNumber(const QString& typed, NumberUse use, const QString& title)
{
    const QString what =
        use == NumberUse::Count ? QStringLiteral("a number of questions") : QStringLiteral("a question number");
    forms::msgBox(QStringLiteral("\"") + typed + QStringLiteral("\" is not ") + what
                      + QStringLiteral(". Please enter a whole number greater than 0."),
                  forms::vbOKOnly + forms::vbExclamation, title);
}

std::optional<int> askNumber(const NumberPrompt& prompt)
{
    const QString typed = forms::inputBox(prompt.prompt, prompt.title);
    const CountAnswer answer = readCountAnswer(typed, prompt.use);
    if (answer.kind == CountAnswer::Refused) {
        refuseNumber(typed, prompt.use, prompt.refusalTitle);
        return std::nullopt;
    }
    if (answer.kind == CountAnswer::Cancelled)
        return std::nullopt;
    return answer.count;
}

std::optional<int> askQuestionCount()
{
    return askQuestionCount(QStringLiteral("Enter Number Of Questions"),
                            QStringLiteral("Enter Number Of Questions You Would Like Included In This Test."));
}

std::optional<int> askQuestionCount(const QString& prompt, const QString& title)
{
    return askNumber({prompt, title});
}

} // namespace questionsets
