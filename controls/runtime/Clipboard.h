#pragma once

#include "controls/runtime/RuntimeExport.h"

namespace qvrun {

// Puts the selection of the single-byte text on the clipboard as text.
// Nothing happens for an empty selection.
QVRUN_EXPORT void copySelection(const char* text, int caret, int selectionLength);
// Replaces the selection of the buffer by the clipboard's text, cut so that
// the buffer holds at most maximum characters; returns the caret after it.
// Characters the single-byte text cannot hold become '?'; line breaks end
// the pasted text, since a control's text is one line.
QVRUN_EXPORT int pasteIntoBuffer(char* buffer, int caret, int selectionLength, int maximum);

} // namespace qvrun
