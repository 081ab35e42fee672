#include "controls/base/KeyCodes.h"

#include <QKeyEvent>

namespace controls {

std::int16_t virtualKeyOf(const QKeyEvent& key)
{
    const int k = key.key();
    const bool keypad = key.modifiers().testFlag(Qt::KeypadModifier);
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return std::int16_t(keypad ? 0x60 + (k - Qt::Key_0) : k);
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return std::int16_t(k);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return std::int16_t(0x70 + (k - Qt::Key_F1));
    switch (k) {
    case Qt::Key_Backspace:
        return vk::back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return vk::tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vk::enter;
    case Qt::Key_Shift:
        return 0x10;
    case Qt::Key_Control:
        return 0x11;
    case Qt::Key_Alt:
        return 0x12;
    case Qt::Key_Pause:
        return 0x13;
    case Qt::Key_CapsLock:
        return 0x14;
    case Qt::Key_Escape:
        return vk::escape;
    case Qt::Key_Space:
        return 0x20;
    case Qt::Key_PageUp:
        return 0x21;
    case Qt::Key_PageDown:
        return 0x22;
    case Qt::Key_End:
        return vk::end;
    case Qt::Key_Home:
        return vk::home;
    case Qt::Key_Left:
        return vk::left;
    case Qt::Key_Up:
        return vk::up;
    case Qt::Key_Right:
        return vk::right;
    case Qt::Key_Down:
        return vk::down;
    case Qt::Key_Insert:
        return vk::insert;
    case Qt::Key_Delete:
        return vk::del;
    case Qt::Key_Asterisk:
        return keypad ? 0x6A : 0;
    case Qt::Key_Plus:
        return keypad ? 0x6B : 0xBB;
    case Qt::Key_Minus:
        return keypad ? 0x6D : 0xBD;
    case Qt::Key_Period:
        return keypad ? 0x6E : 0xBE;
    case Qt::Key_Slash:
        return keypad ? 0x6F : 0xBF;
    case Qt::Key_Comma:
        return 0xBC;
    case Qt::Key_Semicolon:
        return 0xBA;
    case Qt::Key_Equal:
        return 0xBB;
    case Qt::Key_QuoteLeft:
        return 0xC0;
    case Qt::Key_BracketLeft:
        return 0xDB;
    case Qt::Key_Backslash:
        return 0xDC;
    case Qt::Key_BracketRight:
        return 0xDD;
    case Qt::Key_Apostrophe:
        return 0xDE;
    default:
        return 0;
    }
}

std::int16_t shiftStateOf(Qt::KeyboardModifiers modifiers)
{
    return std::int16_t((modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0)
                        | (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0)
                        | (modifiers.testFlag(Qt::AltModifier) ? 4 : 0));
}

} // namespace controls
