#include "platform/forms/MouseArgs.h"

#include "platform/forms/Twips.h"

#include <QMouseEvent>

namespace forms {

MouseArgs mouseArgsOf(const QMouseEvent& event)
{
    MouseArgs args;
    switch (event.button()) {
    case Qt::LeftButton:
        args.button = 1;
        break;
    case Qt::RightButton:
        args.button = 2;
        break;
    case Qt::MiddleButton:
        args.button = 4;
        break;
    default:
        break;
    }
    const auto modifiers = event.modifiers();
    args.shift = (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
                 | (modifiers & Qt::AltModifier ? 4 : 0);
    const QPoint position = event.position().toPoint();
    args.x = toTwips(position.x());
    args.y = toTwips(position.y());
    return args;
}

} // namespace forms
