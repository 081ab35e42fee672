#include "editing/EditKeys.h"

#include <QChar>

namespace editing {

int upperCaseKey(int keyAscii)
{
    if (keyAscii <= 0 || keyAscii > 0xFFFF)
        return keyAscii;
    const QChar typed(static_cast<char16_t>(keyAscii));
    if (!typed.isLetter())
        return keyAscii;
    // A letter whose capital is no single character keeps its own form.
    return typed.toUpper().unicode();
}

int firstLetterKey(const QString& boxText, int keyAscii)
{
    return boxText.isEmpty() ? upperCaseKey(keyAscii) : keyAscii;
}

int answerIndexOfKey(int keyAscii)
{
    const int upper = upperCaseKey(keyAscii);
    return upper >= 'A' && upper <= 'D' ? upper - 'A' : -1;
}

} // namespace editing
