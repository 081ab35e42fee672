#pragma once

#include <memory>

class QKeyEvent;

namespace forms {

// The character code a key-press step sees: 13 for Enter, 8 for Backspace,
// 27 for Escape, the character for a printable key; 0 when the key types no
// character (arrows, function keys, Ctrl and Alt combinations), which then
// goes to the widget without a key-press step.
int keyAsciiOf(const QKeyEvent& event);

// A key event that types keyAscii instead of the original key, for a step
// that replaced the key.
std::unique_ptr<QKeyEvent> replacementKeyEvent(const QKeyEvent& original, int keyAscii);

// Types Tab into the control that has the focus, after the key being handled
// now: the focus moves on to the next control in tab order.
void sendTabKey();

} // namespace forms
