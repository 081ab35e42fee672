#pragma once

#include <QString>

// The rules of the saved session, apart from the window.
namespace questionsets {

// The record source of the saved session, and whether a set's record
// source is it (any case, blanks around it).
QString savedSessionSource();
bool isSavedSession(const QString& recordSource);

// The resume walk of a load stops on the first row whose question number
// is the restored total, texts compared exactly; a total of "0" stops on
// the first row.
bool resumeStopsAt(const QString& total, const QString& questionNumber);

} // namespace questionsets
