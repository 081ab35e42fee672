#pragma once

#include <QString>

#include <optional>

class QDropEvent;

namespace forms {

// What a control that takes chapter titles dragged inside the program does
// with the window system's drag events. Only such a drag carries the title
// type; text offered by another program is refused however it comes.
//
// Entering and moving over the control (QDragEnterEvent and QDragMoveEvent
// are drop events): accepted when the control takes titles and the drag
// carries one.
void answerTitleDrag(QDropEvent& event, bool takesTitles);
// The drop itself: the title, or none when the drop is refused.
std::optional<QString> takeDroppedTitle(QDropEvent& event, bool takesTitles);

} // namespace forms
