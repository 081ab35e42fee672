#pragma once

#include "printing/PrintSettings.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace print {
class Composer;
}

namespace printing {

// One question of the set as the printed products read it.
struct PrintedQuestion {
    qint64 id = 0;
    QString question;
    QString a;
    QString b;
    QString c;
    QString d;
    QString answer; // the correct letter as stored
    QString notes;
    QString chapter;
    QString picked; // the letter the user picked; empty or a blank when none
};

// The printed test comes in four variants; at most one is printed per build.
enum class TestVariant { none, withoutAnswers, withAnswers, withNotes, withNotesAndAnswers };

// What the test-package window asks for.
struct PackageChoices {
    TestVariant test = TestVariant::none;
    bool answerList = false;
    bool answerSheet = false;
    bool correctionKey = false;
};

// What the default titles are made of besides the print settings: the set
// marker of the question window, the multi-chapter test's title, and the
// chapter of the record that is current when the build starts.
struct SetTitle {
    QString marker;
    QString selectTitle;
    QString currentChapter;
};

struct PackageResult {
    // Why nothing was composed; empty when the package was composed.
    QString refusal;
    // The settings replaced by their defaults (see applyPrintSettings).
    QStringList replacedSettings;

    bool composed() const { return refusal.isEmpty(); }
};

// The refusal given for a set without questions: the document is left as it
// was, not started.
QString emptySetRefusal();

// The message that tells the user which settings were not numbers.
QString replacedSettingsNotice(const QStringList& replaced);

// Composes the chosen products into one new document, in the order test,
// answer list, answer sheet, correction key, each after the first on a page
// of its own and each numbering its questions from 1. With nothing chosen the
// document is empty. An empty set is refused.
PackageResult composeTestPackage(print::Composer& composer, const std::vector<PrintedQuestion>& questions,
                                 const PrintSettings& settings, const PackageChoices& choices, const SetTitle& title);

// The products one by one, composing at the cursor of a started document.
// Each returns the settings it had to replace.
QStringList composeTest(print::Composer& composer, const std::vector<PrintedQuestion>& questions,
                        const PrintSettings& settings, TestVariant variant, const SetTitle& title);
QStringList composeAnswerList(print::Composer& composer, const std::vector<PrintedQuestion>& questions,
                              const PrintSettings& settings, const SetTitle& title);
QStringList composeAnswerSheet(print::Composer& composer, const std::vector<PrintedQuestion>& questions,
                               const PrintSettings& settings);
QStringList composeCorrectionKey(print::Composer& composer, const std::vector<PrintedQuestion>& questions,
                                 const PrintSettings& settings);

// The key by record number (the question's database number and its correct
// letter) as a document of its own, with the composer's settings as they
// stand.
PackageResult composeRecordKey(print::Composer& composer, const std::vector<PrintedQuestion>& questions);

// The header of each product when no title of the user's stands in for it.
// Most take it from the set: their own text for the whole bank, the
// multi-chapter test's title, else the chapter.
QString titleOfSet(const SetTitle& title, const QString& wholeBankTitle);
QString testTitle(TestVariant variant, const SetTitle& title);
QString answerListTitle(const SetTitle& title, const QString& firstChapter);
QString answerSheetHeader();
QString correctionKeyHeader();

} // namespace printing
