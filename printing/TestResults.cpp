#include "printing/TestResults.h"

#include "platform/print/Composer.h"
#include "settings/Markers.h"

namespace printing {

namespace {

const QString br = QStringLiteral("\r");
const QString dateBlank = QStringLiteral("    Date:         ");

// The answer behind a letter; none for anything but a whole upper-case
// "A" to "D".
const QString* answerOf(const PrintedQuestion& q, const QString& letter)
{
    const QString* answers[4] = {&q.a, &q.b, &q.c, &q.d};
    for (int i = 0; i < 4; ++i) {
        if (letter == QChar(u'A' + i))
            return answers[i];
    }
    return nullptr;
}

QString correctPart(const PrintedQuestion& q)
{
    const QString* answer = answerOf(q, q.answer);
    return answer ? q.answer + QStringLiteral(") ") + *answer + br + br : br + br;
}

} // namespace

QString resultsTitle(const SetTitle& title)
{
    if (title.marker == markers::wholeBank)
        return QStringLiteral("Title: All Questions") + dateBlank;
    if (title.marker == markers::selectedChapters)
        return QStringLiteral("Title: ") + title.selectTitle + dateBlank;
    return QStringLiteral("Title:   ") + title.currentChapter + dateBlank;
}

QString resultsEntry(int number, const PrintedQuestion& q, const QString& name)
{
    QString entry = QString::number(number) + QStringLiteral(") ") + q.question + br + br;
    entry += name + QStringLiteral(" Selected - ") + br;
    // The question window clears a pick to a blank: that is no answer either.
    if (q.picked.trimmed().isEmpty()) {
        return entry + name + QStringLiteral(" Did Not Answer This Question") + br
               + QStringLiteral("The Correct Answer is - ") + br + correctPart(q);
    }
    const QString* picked = answerOf(q, q.picked);
    if (!picked)
        return entry + br + br;
    entry += q.picked + QStringLiteral(") ") + *picked + br;
    if (q.picked == q.answer)
        return entry + name + QStringLiteral(" Answered The Question Correctly ") + br + br;
    return entry + QStringLiteral("The Correct Answer is - ") + br + correctPart(q);
}

QStringList composeTestResults(print::Composer& composer, const std::vector<PrintedQuestion>& questions,
                               const PrintSettings& settings, const SetTitle& title, const ResultsRun& run)
{
    composer.startDocument();
    if (settings.hasOwnTitle()) {
        composer.setHeaderText(settings.headerTitle);
    } else {
        composer.writeLine(QString());
        composer.setHeaderText(resultsTitle(title));
    }
    const QStringList replaced = applyPrintSettings(composer, settings);
    // One column for the user's block too: the columns of an answer list or
    // sheet printed before would cut it into narrow strips.
    composer.setColumnCount(1);

    const ResultsUser& user = run.user;
    composer.writeInline(QStringLiteral("Raze Verudev E/RE") + br);
    composer.writeLine(QString());
    for (const QString& line : {
             QStringLiteral("Starting Time: ") + run.startTime,
             QStringLiteral("Finish Time: ") + run.finishTime + br,
             QStringLiteral("Name: ") + user.first,
             QStringLiteral("Company: ") + user.company,
             QStringLiteral("Address: ") + user.address,
             QStringLiteral("City: ") + user.city + QStringLiteral("   State: ") + user.state
                 + QStringLiteral("   Zip: ") + user.zip,
             QStringLiteral("Telephone: ") + user.phone,
             QStringLiteral("Fax: ") + user.fax,
             QStringLiteral("E-Mail: ") + user.email,
             QStringLiteral("Comments: ") + user.comments + br,
         })
        composer.writeInline(line + br);

    int number = 0;
    for (const PrintedQuestion& q : questions) {
        const QString entry = resultsEntry(++number, q, user.first);
        // An entry is never split between pages.
        composer.measureEntry(entry);
        if (composer.fitNeed() > composer.fitLimit() - composer.fitUsed())
            composer.breakPage();
        composer.writeLine(entry);
    }

    for (const QString& line : {
             QStringLiteral("Questions Answered Correctly:  ") + run.correct,
             QStringLiteral("Questions Answered Incorrectly:  ") + run.incorrect,
             QStringLiteral("Total Questions:  ") + run.total,
             QStringLiteral("Score:  ") + run.score,
             QStringLiteral("Questions That Were Not Answered Are Not Computed In Score But Are Indicated On "
                            "Questions Above."),
         })
        composer.writeInline(line + br);
    composer.endDocument();
    return replaced;
}

} // namespace printing
