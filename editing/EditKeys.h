#pragma once

#include <QString>

// What the question window's edit boxes make of a typed character (its key
// code as the key-press step sees it: 13 Enter, 8 Backspace, else the
// character).
namespace editing {

inline constexpr int enterKey = 13;

// The character in upper case; keys that are no letters stay as they are.
int upperCaseKey(int keyAscii);

// A sentence starts with a capital: the first character typed into an empty
// box is upper-cased, later ones pass unchanged.
int firstLetterKey(const QString& boxText, int keyAscii);

// The answer a typed letter picks, "A" to "D" in either case: 0 to 3; -1 for
// any other key.
int answerIndexOfKey(int keyAscii);

} // namespace editing
