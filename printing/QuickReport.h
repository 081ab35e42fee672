#pragma once

#include "printing/TestPackage.h"

#include <QString>

#include <vector>

namespace print {
class Composer;
}

namespace printing {

// The score board as the question window shows it when the report is asked
// for, each value as its box or panel holds it.
struct ScoreSummary {
    QString startTime;  // when the question window was last activated
    QString finishTime; // the clock on its status bar
    QString correct;
    QString incorrect;
    QString total;
    QString score;
};

// One question of the set with the letter the user picked on it last; the
// answer texts are those of the question's own record.
struct AnsweredQuestion {
    PrintedQuestion question;
    QString picked;
};

// Whether the report also prints each listed question's notes: the page
// references the user is asked about.
enum class PageReferences { leftOut, included };

// A question counts as answered wrongly when a letter was picked and it is
// not the correct one, compared exactly as the question window judges it. A
// pick that is empty or only blanks is no answer: clearing the picks leaves
// blanks behind, and those questions were never answered.
bool answeredWrongly(const QString& picked, const QString& correct);

// The report's header when the user has typed no title of his own.
QString quickReportTitle(const SetTitle& title);

// The printed entry of a listed question: its position in the set, the
// question, the text of its correct answer (when the letter names one of the
// four) and, with the references, its notes.
QString quickReportEntry(int number, const AnsweredQuestion& row, PageReferences references);

// Composes the quick report as a new document: the score board, the heading
// of the list, then every question of the set answered wrongly, numbered by
// its position in the set, never split across pages. An empty set is
// refused and the document left as it was.
PackageResult composeQuickReport(print::Composer& composer, const std::vector<AnsweredQuestion>& rows,
                                 const PrintSettings& settings, const ScoreSummary& score, const SetTitle& title,
                                 PageReferences references);

} // namespace printing
