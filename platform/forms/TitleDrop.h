#pragma once

#include <QString>

#include <optional>

class QDropEvent;
class QMimeData;

namespace forms {

// The longest chapter title a drop takes, as many characters as the bank's
// text fields were made for; anything longer is no title of the program's.
inline constexpr int maxTitleLength = 255;

// What a control that takes chapter titles dragged inside the program does
// with the window system's drag events. Only such a drag carries the title
// type; text offered by another program is refused however it comes. The
// type alone proves nothing, since any program may offer it: a drag of this
// program's also carries a mark made at random for this run, which no other
// program (nor another run of this one) can know.
//
// Entering and moving over the control (QDragEnterEvent and QDragMoveEvent
// are drop events): accepted when the control takes titles and the drag
// carries one.
void answerTitleDrag(QDropEvent& event, bool takesTitles);
// The drop itself: the title, or none when the drop is refused.
std::optional<QString> takeDroppedTitle(QDropEvent& event, bool takesTitles);
// Marks what a drag of this program carries as its own.
void markAsOurs(QMimeData& mime);

} // namespace forms
