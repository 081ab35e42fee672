#include "printing/QuickReport.h"

#include "platform/print/Composer.h"

namespace printing {

namespace {

// Line breaks in printed text are a lone carriage return.
const QString br = QStringLiteral("\r");

// The text of the answer the correct letter names; none for a letter other
// than the four.
const QString* answerTextOf(const PrintedQuestion& q)
{
    if (q.answer == QLatin1String("A"))
        return &q.a;
    if (q.answer == QLatin1String("B"))
        return &q.b;
    if (q.answer == QLatin1String("C"))
        return &q.c;
    if (q.answer == QLatin1String("D"))
        return &q.d;
    return nullptr;
}

void writeSummary(print::Composer& composer, const ScoreSummary& score)
{
    const QString writes[] = {
        QStringLiteral("Starting Time: ") + score.startTime,
        br,
        QStringLiteral("Finish Time: ") + score.finishTime,
        br,
        score.correct + QStringLiteral("  Questions Were Answered Correctly.") + br,
        score.incorrect + QStringLiteral("  Questions Were Answered Incorrectly.") + br,
        QStringLiteral("There Were A Total Of ") + score.total + QStringLiteral(" Questions Answered.") + br,
        QStringLiteral("Your Score Is:  ") + score.score + br,
        QStringLiteral("Questions That Were Not Answered Are Not Computed In Score But Are Indicated On "
                       "Questions Above.")
            + br,
        br,
        QStringLiteral("Here are the questions you answered incorrectly with their correct answers"),
        br,
    };
    for (const QString& text : writes)
        composer.writeInline(text);
}

} // namespace

bool answeredWrongly(const QString& picked, const QString& correct)
{
    return !picked.trimmed().isEmpty() && picked != correct;
}

QString quickReportTitle(const SetTitle& title)
{
    return titleOfSet(title, QStringLiteral("All Questions        "));
}

QString quickReportEntry(int number, const AnsweredQuestion& row, PageReferences references)
{
    const PrintedQuestion& q = row.question;
    QString entry = QString::number(number) + QStringLiteral(") ") + q.question + br;
    if (const QString* answer = answerTextOf(q))
        entry += QStringLiteral("Answer -> ") + *answer;
    if (references == PageReferences::included)
        entry += br + q.notes;
    return entry;
}

PackageResult composeQuickReport(print::Composer& composer, const std::vector<AnsweredQuestion>& rows,
                                 const PrintSettings& settings, const ScoreSummary& score, const SetTitle& title,
                                 PageReferences references)
{
    PackageResult result;
    if (rows.empty()) {
        result.refusal = emptySetRefusal();
        return result;
    }
    composer.setHeaderText(settings.hasOwnTitle() ? settings.headerTitle : quickReportTitle(title));
    composer.setColumnCount(1);
    result.replacedSettings = applyPrintSettings(composer, settings);
    composer.startDocument();
    composer.writeLine(QString());
    writeSummary(composer, score);

    int number = 0;
    for (const AnsweredQuestion& row : rows) {
        ++number;
        if (!answeredWrongly(row.picked, row.question.answer))
            continue;
        composer.writeInline(br);
        const QString entry = quickReportEntry(number, row, references);
        // An entry is never split: one that does not fit below the cursor
        // starts a new page; one that exactly fits stays.
        composer.measureEntry(entry);
        if (composer.fitNeed() > composer.fitLimit() - composer.fitUsed())
            composer.breakPage();
        composer.writeLine(entry);
    }
    composer.endDocument();
    return result;
}

} // namespace printing
