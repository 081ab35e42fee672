#pragma once

#include "printing/PrintSettings.h"
#include "printing/TermLibrary.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace print {
class Composer;
}

// The three printouts of the terminology library: the glossary, the random
// written test (write the definition of each term) and the Jeopardy-style
// test (name the term of each definition). A test's answer key follows on a
// page of its own, numbered like the questions, for the same rows in the
// same order.
namespace printing {

enum class TermPrintout { glossary, writtenTest, jeopardyTest };

// The preview's caption of each printout.
inline constexpr QLatin1StringView glossaryCaption{"Print Terminology Glossary"};
inline constexpr QLatin1StringView writtenTestCaption{"Print Terminology Test"};
inline constexpr QLatin1StringView jeopardyCaption{"It's Jeopardy! The Answer Is..."};
QString termPrintoutCaption(TermPrintout printout);

// The page header: the user's own title, or the program's name while the
// title box holds its invitation to type one.
QString termPrintoutHeader(const PrintSettings& settings);

// The paragraph of a question, numbered from 1 (the glossary's entries carry
// no number), and of an answer-key entry.
QString termQuestionEntry(TermPrintout printout, int number, const TermRow& row);
QString termKeyEntry(TermPrintout printout, int number, const TermRow& row);

// Composes the printout as a new document. The answer names the settings
// printed with their defaults because they are no usable numbers. After
// each row written, `progress` hears how far the pass over the rows has
// come, in percent of the rows (the key's pass starts again from the first).
QStringList composeTermPrintout(print::Composer& composer, TermPrintout printout, const std::vector<TermRow>& rows,
                                const PrintSettings& settings,
                                const std::function<void(double percent)>& progress = {});

} // namespace printing
