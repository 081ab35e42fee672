#pragma once

#include "printing/TestPackage.h"

#include <QString>

#include <vector>

namespace data {
class Recordset;
}

namespace printing {

// A field of the current row as text; a null field reads as an empty text.
QString fieldText(data::Recordset& row, const QString& field);

// The questions of a set as the products print them, read from its first
// record to its end; the set stands on its first record afterwards. An empty
// set gives no questions.
std::vector<PrintedQuestion> readPrintedQuestions(data::Recordset& set);

} // namespace printing
