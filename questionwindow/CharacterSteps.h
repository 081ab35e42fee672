#pragma once

#include "questionwindow/ReadingScripts.h"

namespace speech {
class Character;
}

namespace questionwindow {

class frmMain;

// Steps every reading of the question window's character begins with.

// Copies the displayed question and answers into the record copies, so a
// question being edited is read as the screen shows it, and returns them.
RecordCopies copyDisplayedRecord(frmMain& window);

// Moves the character to where it stands for the reading, by the screen
// size; an unknown screen size leaves it where it is.
void moveForReading(speech::Character& character, Reading reading);

// Queues the texts, in order.
void speakAll(speech::Character& character, const QStringList& requests);

} // namespace questionwindow
