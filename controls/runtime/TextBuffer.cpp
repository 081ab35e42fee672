#include "controls/runtime/TextBuffer.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace qvrun {

namespace {

// The selection as a valid range of the text: a caret past the end sits at
// the end, a negative length selects backwards from the caret.
void clampSelection(const char* buffer, int& caret, int& length)
{
    const int size = int(strnlen(buffer, kBufferChars));
    if (length < 0) {
        caret += length;
        length = -length;
    }
    caret = std::clamp(caret, 0, size);
    length = std::clamp(length, 0, size - caret);
}

} // namespace

void deleteSelection(char* buffer, int caret, int selectionLength)
{
    if (!buffer)
        return;
    clampSelection(buffer, caret, selectionLength);
    const int size = int(strnlen(buffer, kBufferChars));
    std::memmove(buffer + caret, buffer + caret + selectionLength, size_t(size - caret - selectionLength));
    buffer[size - selectionLength] = '\0';
}

int insertText(char* buffer, int caret, int selectionLength, const char* text)
{
    if (!buffer)
        return 0;
    deleteSelection(buffer, caret, selectionLength);
    clampSelection(buffer, caret, selectionLength);
    const int size = int(strnlen(buffer, kBufferChars));
    const int wanted = text ? int(strnlen(text, kBufferChars)) : 0;
    const int added = std::min(wanted, kBufferChars - size);
    std::memmove(buffer + caret + added, buffer + caret, size_t(size - caret));
    std::memcpy(buffer + caret, text, size_t(added));
    buffer[size + added] = '\0';
    return caret + added;
}

void clearBuffer(char* buffer, int length)
{
    if (buffer && length > 0)
        std::memset(buffer, 0, size_t(length));
}

std::int32_t numberFromText(const char* text)
{
    if (!text)
        return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    bool negative = false;
    if (*p == '-' || *p == '+')
        negative = *p++ == '-';
    std::int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            value = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    }
    value = negative ? -value : value;
    return std::int32_t(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

} // namespace qvrun
