#pragma once

class QMouseEvent;

namespace forms {

// The mouse-down arguments the windows' steps take: button 1 left, 2 right,
// 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; x and y in twips.
struct MouseArgs {
    int button = 0;
    int shift = 0;
    int x = 0;
    int y = 0;
};

MouseArgs mouseArgsOf(const QMouseEvent& event);

} // namespace forms
