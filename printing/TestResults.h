#pragma once

#include "printing/PrintSettings.h"
#include "printing/TestPackage.h"

#include <QString>

#include <vector>

namespace print {
class Composer;
}

namespace printing {

// The user the results are for, as the users window shows him.
struct ResultsUser {
    QString first;
    QString company;
    QString address;
    QString city;
    QString state;
    QString zip;
    QString phone;
    QString fax;
    QString email;
    QString comments;
};

// What the results report of the run besides the questions: when it began
// and ended, for whom, and the question window's score board as it stands
// (the report counts nothing itself).
struct ResultsRun {
    QString startTime;
    QString finishTime;
    ResultsUser user;
    QString correct;
    QString incorrect;
    QString total;
    QString score;
};

// The header of the results when the user has typed no title of his own.
QString resultsTitle(const SetTitle& title);

// One question of the results: the question, what the user picked and, unless
// he picked right, the correct answer. A pick that is empty or blank is no
// answer.
QString resultsEntry(int number, const PrintedQuestion& question, const QString& name);

// Composes the results of the run as a document of its own: the user's block,
// the times, every question of the set, and the totals. A set without
// questions still reports the user, the times and the totals. Answers the
// settings replaced by their defaults.
QStringList composeTestResults(print::Composer& composer, const std::vector<PrintedQuestion>& questions,
                               const PrintSettings& settings, const SetTitle& title, const ResultsRun& run);

// The results of the question window's set for the user the users window
// shows, printed with these settings and shown in the preview.
QStringList printTestResults(const PrintSettings& settings);

} // namespace printing
