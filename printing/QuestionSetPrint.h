#pragma once

#include "printing/TestPackage.h"

#include <QStringList>

#include <vector>

// The question window's set as the printed products take it, and what every
// product built from it tells the user afterwards.
namespace printing {

struct SetToPrint {
    std::vector<PrintedQuestion> questions;
    SetTitle title;
};

// The set of the question window, first to last, with what its default
// titles are made of. Walking it moves the set (and the progress bars) and
// leaves it on its first record; a window with no set gives no questions.
SetToPrint questionWindowSet();

// The test without answers of the question window's set, in the preview,
// with the print settings of the package window.
void printQuestionSetTest();

// The boxes that end a build: why nothing was printed, or which settings
// were printed with their defaults. Nothing is shown when there is nothing
// to tell.
void tellRefusal(const QString& refusal);
void tellReplacedSettings(const QStringList& replaced);

} // namespace printing
