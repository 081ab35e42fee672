#pragma once

#include "controls/runtime/RuntimeExport.h"

#include <cstdint>

// A control's edit buffer: single-byte text of at most 1024 characters,
// always NUL-terminated, in 1025 bytes. A caret and a selection length are
// taken as given by the control and kept inside the text.
namespace qvrun {

inline constexpr int kBufferChars = 1024;
inline constexpr int kBufferBytes = kBufferChars + 1;

// Replaces the selection by the text, within the buffer's size (what does
// not fit is cut); returns the caret after the inserted text.
QVRUN_EXPORT int insertText(char* buffer, int caret, int selectionLength, const char* text);
// Removes the selection in place.
QVRUN_EXPORT void deleteSelection(char* buffer, int caret, int selectionLength);
// Zero-fills the first length bytes.
QVRUN_EXPORT void clearBuffer(char* buffer, int length);
// The signed 32-bit decimal value at the start of the text (blanks and a
// sign allowed, reading stops at the first non-digit); 0 for no digits. A
// value beyond 32 bits is held at the nearest limit instead of wrapping.
QVRUN_EXPORT std::int32_t numberFromText(const char* text);

} // namespace qvrun
