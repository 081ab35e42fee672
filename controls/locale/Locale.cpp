// The locale library of the control suite: the texts of the errors the
// controls raise, in English. A control loads it by name at run time and
// finds a text at the error's number plus the offset QvGetLocale answers.
#include "controls/locale/LocaleExports.h"

#include <algorithm>
#include <cstring>

namespace {

// The English texts start at offset 0.
constexpr int kEnglish = 0;

struct Text {
    int id;
    const char* text;
};

constexpr Text kTexts[] = {
    {5, "Invalid procedure call"},
    {6, "Overflow"},
    {7, "Out of memory"},
    {13, "Type mismatch"},
    {380, "Invalid property value"},
    {381, "Invalid property array index"},
    {383, "Property is read-only"},
    {393, "Property cannot be read at run time"},
    {394, "Property is write-only"},
};

} // namespace

int QvGetLocale()
{
    return kEnglish;
}

int QvLoadString(int id, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    buffer[0] = '\0';
    for (const Text& entry : kTexts) {
        if (entry.id == id) {
            // Always terminated, cut to the caller's buffer.
            const int length = std::min<int>(int(std::strlen(entry.text)), size - 1);
            std::memcpy(buffer, entry.text, size_t(length));
            buffer[length] = '\0';
            return length;
        }
    }
    return 0;
}
