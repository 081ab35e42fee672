#pragma once

#include <QString>

#include <array>

namespace questionwindow {

// The score board's arithmetic and the answer reveal, apart from the window
// so that each rule can be checked on its own.

// A counter box read as a number: its digits, or 0 when it holds none.
double counterValue(const QString& text);

// The score text: right answers times 100 over right plus wrong, taken to
// the nearest whole number with halves going up, without leading zeros; a
// value below one half shows as the empty text ("###"). Nothing answered yet
// (right plus wrong is 0, as after the counters were reset) shows empty too.
QString scoreText(double correct, double incorrect);

// The wrong-answer list " 12,15,3": a blank before the first number and a
// comma before each further one.
QString appendWrongNumber(const QString& list, const QString& questionNumber);

// Which of the answer boxes A to D the Answer step reveals for the correct
// letter: A, B or C its own box; D all four when its text says all of the
// others are right ("All the above." / "All of the above.", exactly), else
// only D; any other letter none.
std::array<bool, 4> revealedAnswers(const QString& correctLetter, const QString& textOfD);

// "A" to "D" as 0 to 3; -1 for anything else (compared exactly).
int answerIndex(const QString& letter);

} // namespace questionwindow
