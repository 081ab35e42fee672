// The date-input control's mouse: a click places the caret, a drag selects,
// and the spin buttons step the field at the caret, once when pressed and
// then on a timer while held.
#include "controls/dateinput/CQvindatCtrl.h"

#include "controls/base/KeyCodes.h"
#include "controls/dateinput/QvindatClasses.h"

#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

namespace qvindat {

namespace {

constexpr int kSelecting = 1;
constexpr int kUpHeld = 2;
constexpr int kDownHeld = 3;

constexpr com::DispId kClick = -600;
constexpr com::DispId kDblClick = -601;
constexpr com::DispId kMouseDown = -605;
constexpr com::DispId kMouseMove = -606;
constexpr com::DispId kMouseUp = -607;

std::int16_t buttonCode(Qt::MouseButtons buttons)
{
    return std::int16_t((buttons.testFlag(Qt::LeftButton) ? 1 : 0) | (buttons.testFlag(Qt::RightButton) ? 2 : 0)
                        | (buttons.testFlag(Qt::MiddleButton) ? 4 : 0));
}

} // namespace

void CQvindatCtrl::fireMouseEvent(com::DispId id, const QMouseEvent& event)
{
    // The container's mouse events: the button, the Shift state and the
    // point in the control's pixels.
    const QPoint at = event.position().toPoint();
    const Qt::MouseButtons buttons = id == kMouseMove ? event.buttons() : Qt::MouseButtons(event.button());
    com::Variant args[] = {com::Variant::i2(buttonCode(buttons)),
                           com::Variant::i2(controls::shiftStateOf(event.modifiers())), com::Variant::i4(at.x()),
                           com::Variant::i4(at.y())};
    fireEvent(id, args);
}

bool CQvindatCtrl::stepDate(int direction)
{
    dateinput::DateEngine& e = editEngine();
    const QByteArray before = p_.text;
    e.StepFieldAtCaret(direction * p_.spinChange);
    p_.currentYear = e.currentYear();
    takeEdit();
    invalidate();
    // Nothing is told when the step changed nothing (a selection, a read-only
    // control, a blank part).
    if (p_.text == before)
        return false;
    fireEvent(event::Change);
    return true;
}

int CQvindatCtrl::CaretIndexFromPoint(int x) const
{
    const TextLayout layout = layoutText(window() ? window()->rect() : QRect(QPoint(), controlSize()));
    const int length = textLength();
    if (length == 0)
        return 0;
    // Positions count from the text's first character wherever it stands.
    const int offset = x - layout.origin;
    if (offset > layout.positions[std::size_t(length - 1)] + 5)
        return length;
    int index = 0;
    for (int i = 0; i < length; ++i)
        if (layout.positions[std::size_t(i)] < offset + 4)
            index = i;
    return index;
}

void CQvindatCtrl::onMousePress(QMouseEvent& event)
{
    // The second press of a double click is told as DblClick, and its
    // release makes no Click.
    doubleClicked_ = event.type() == QEvent::MouseButtonDblClick && event.button() == Qt::LeftButton;
    if (doubleClicked_)
        fireEvent(kDblClick);
    else
        fireMouseEvent(kMouseDown, event);
    if (event.button() != Qt::LeftButton)
        return;
    if (window() && !window()->hasFocus())
        window()->setFocus(Qt::MouseFocusReason);
    const QPoint at = event.position().toPoint();
    const int button = spinUp_.contains(at) ? kUpHeld : spinDown_.contains(at) ? kDownHeld : 0;
    if (button == 0) {
        mouseMode_ = kSelecting;
        p_.selStart = CaretIndexFromPoint(at.x());
        p_.selLength = 0;
        invalidate();
        return;
    }
    // A button left from an earlier painting does nothing once Spin is 0.
    if (p_.spin == 0)
        return;
    mouseMode_ = button;
    spinHeld_ = button == kUpHeld ? 1 : 2;
    stepDate(button == kUpHeld ? 1 : -1);
    if (window())
        spinTimer_.start(std::max(0, p_.spinDelay));
}

void CQvindatCtrl::onMouseMove(QMouseEvent& event)
{
    fireMouseEvent(kMouseMove, event);
    if (mouseMode_ != kSelecting || !event.buttons().testFlag(Qt::LeftButton))
        return;
    // The caret follows the pointer; the other end of the selection stays.
    const int caret = CaretIndexFromPoint(event.position().toPoint().x());
    p_.selLength += p_.selStart - caret;
    p_.selStart = caret;
    invalidate();
}

void CQvindatCtrl::spinRepeat()
{
    if (spinHeld_ == 0 || p_.spin == 0 || !window())
        return;
    stepDate(spinHeld_ == 1 ? 1 : -1);
    spinTimer_.start(std::max(0, p_.spinSpeed));
}

void CQvindatCtrl::onMouseRelease(QMouseEvent& event)
{
    fireMouseEvent(kMouseUp, event);
    if (event.button() != Qt::LeftButton)
        return;
    // A click counts when the button comes up over the control.
    if (!doubleClicked_ && window() && window()->rect().contains(event.position().toPoint()))
        fireEvent(kClick);
    doubleClicked_ = false;
    spinTimer_.stop();
    spinHeld_ = 0;
    mouseMode_ = 0;
    if (p_.selLength == 0) {
        editEngine().FindCaretField();
    }
    invalidate();
}

} // namespace qvindat
