// The date-input control's keys: the caret keys move the caret and grow the
// selection, Up and Down step the field at the caret, Insert, Delete and
// the Ctrl keys use the clipboard, and characters are typed through OnChar.
#include "controls/dateinput/CQvindatCtrl.h"

#include "controls/base/KeyCodes.h"
#include "controls/dateinput/QvindatClasses.h"
#include "controls/runtime/Clipboard.h"
#include "controls/runtime/TextBuffer.h"

#include <QKeyEvent>
#include <QStringEncoder>

#include <algorithm>

namespace qvindat {

using namespace com;

namespace {

constexpr DispId kKeyDownEvent = -602;
constexpr DispId kKeyUpEvent = -604;

// The character a key types, in the control's single-byte text; 0 for a
// key that types none. Ctrl with a letter types its control character.
char typedCharacter(const QKeyEvent& key)
{
    const int k = key.key();
    if (key.modifiers().testFlag(Qt::ControlModifier) && k >= Qt::Key_A && k <= Qt::Key_Z)
        return char(k - Qt::Key_A + 1);
    const QString text = key.text();
    if (text.size() != 1 || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F)
        return 0;
    QStringEncoder toSingleByte("Windows-1252");
    const QByteArray bytes = toSingleByte(text);
    return bytes.size() == 1 ? bytes.at(0) : char(0);
}

bool isCaretKey(int k)
{
    return k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Home
           || k == Qt::Key_End || k == Qt::Key_Backspace || k == Qt::Key_Insert || k == Qt::Key_Delete;
}

} // namespace

bool CQvindatCtrl::preTranslateKey(const QKeyEvent& key)
{
    // Before the container looks for its shortcuts: the keys the control
    // edits with are the control's. Every key that reaches the window goes
    // to the control's own handling below.
    if (key.type() != QEvent::ShortcutOverride)
        return false;
    if (key.modifiers().testFlag(Qt::AltModifier))
        return false;
    const int k = key.key();
    if (isCaretKey(k))
        return true;
    if (key.modifiers().testFlag(Qt::ControlModifier))
        return k == Qt::Key_C || k == Qt::Key_V || k == Qt::Key_X;
    return typedCharacter(key) != 0;
}

void CQvindatCtrl::onKeyDown(QKeyEvent& key)
{
    const int k = key.key();
    // Enter and Escape belong to the container (its default and cancel
    // buttons); Tab moves the focus before a key reaches the control.
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape) {
        key.ignore();
        return;
    }
    key.accept();
    keyDown_ = true;
    const bool shift = key.modifiers().testFlag(Qt::ShiftModifier);
    const bool ctrl = key.modifiers().testFlag(Qt::ControlModifier);
    const std::int16_t code = controls::virtualKeyOf(key);
    auto fireKeyDown = [&] {
        Variant args[] = {Variant::i2(code), Variant::i2(shift ? 1 : 0)};
        fireEvent(kKeyDownEvent, args);
    };

    switch (k) {
    case Qt::Key_Left:
    case Qt::Key_Backspace:
        moveLeft(shift);
        fireKeyDown();
        return;
    case Qt::Key_Right:
        moveRight(shift);
        fireKeyDown();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        stepDate(k == Qt::Key_Up ? 1 : -1);
        fireKeyDown();
        return;
    default:
        break;
    }
    // A digit of the main keyboard is typed at once, without a KeyDown.
    if (k >= Qt::Key_0 && k <= Qt::Key_9 && !key.modifiers().testFlag(Qt::KeypadModifier) && !ctrl
        && !key.modifiers().testFlag(Qt::AltModifier)) {
        OnChar(char('0' + (k - Qt::Key_0)), false);
        return;
    }

    const QByteArray before = p_.text;
    bool changeFired = false;
    switch (k) {
    case Qt::Key_End:
        moveEnd(shift);
        break;
    case Qt::Key_Home:
        moveHome(shift);
        break;
    case Qt::Key_Insert:
        if (ctrl)
            copySelection();
        else if (shift && !p_.readOnly)
            changeFired = paste();
        break;
    case Qt::Key_Delete:
        deleteKey(shift);
        break;
    case Qt::Key_C:
        if (ctrl)
            copySelection();
        break;
    case Qt::Key_V:
        if (ctrl && !p_.readOnly)
            changeFired = paste();
        break;
    case Qt::Key_X:
        if (ctrl)
            cut();
        break;
    default:
        break;
    }
    if (!changeFired && p_.text != before)
        fireEvent(event::Change);

    // The other keys reach the container as KeyDown, which may take the key
    // by setting its code to 0; what is left is typed.
    Variant args[] = {Variant::i2(code), Variant::i2(controls::shiftStateOf(key.modifiers()))};
    fireEvent(kKeyDownEvent, args);
    std::int16_t left = code;
    if (code != 0 && (failed(args[0].toI2(&left)) || left == 0))
        return;
    if (isCaretKey(k))
        return;
    if (const char c = typedCharacter(key))
        OnChar(c, ctrl);
}

void CQvindatCtrl::onKeyUp(QKeyEvent& key)
{
    key.accept();
    Variant args[] = {Variant::i2(controls::virtualKeyOf(key)),
                      Variant::i2(key.modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0)};
    fireEvent(kKeyUpEvent, args);
    keyDown_ = false;
}

void CQvindatCtrl::moveLeft(bool shift)
{
    dateinput::DateEngine& e = editEngine();
    if (shift) {
        // The selection keeps its far end and grows toward the start.
        if (e.caretPosition > 0) {
            --e.caretPosition;
            ++e.selectionLength;
        }
    } else {
        e.selectionLength = 0;
        const int field = e.currentField;
        e.caretPosition = std::max(0, e.caretPosition - 1);
        if (field != 0)
            e.SkipToField(-1);
        e.FindCaretField();
    }
    takeEdit();
    invalidate();
}

void CQvindatCtrl::moveRight(bool shift)
{
    dateinput::DateEngine& e = editEngine();
    const int length = textLength();
    if (shift) {
        if (e.caretPosition < length) {
            ++e.caretPosition;
            --e.selectionLength;
        }
    } else {
        e.selectionLength = 0;
        e.caretPosition = std::min(length, e.caretPosition + 1);
        e.FindCaretField();
        if (e.currentField >= 0 && e.currentField < dateinput::DateEngine::fieldSlots
            && e.fields()[std::size_t(e.currentField)].length > 1) {
            e.SkipToField(+1);
            e.FindCaretField();
        }
    }
    takeEdit();
    invalidate();
}

void CQvindatCtrl::moveEnd(bool shift)
{
    dateinput::DateEngine& e = editEngine();
    const int length = textLength();
    if (shift) {
        e.selectionLength -= length - e.caretPosition;
        e.caretPosition = length;
    } else {
        e.selectionLength = 0;
        e.caretPosition = length;
        e.FindCaretField();
    }
    takeEdit();
    invalidate();
}

void CQvindatCtrl::moveHome(bool shift)
{
    dateinput::DateEngine& e = editEngine();
    if (shift) {
        e.selectionLength += e.caretPosition;
        e.caretPosition = 0;
    } else {
        e.selectionLength = 0;
        e.caretPosition = 0;
        e.FindCaretField();
    }
    takeEdit();
    invalidate();
}

void CQvindatCtrl::copySelection() const
{
    qvrun::copySelection(p_.text.constData(), p_.selStart, p_.selLength);
}

bool CQvindatCtrl::paste()
{
    // The clipboard's text takes the selection's place, and the whole is set
    // as a text from outside: checked, completed, and told by Change.
    char buffer[qvrun::kBufferBytes] = {};
    std::copy_n(p_.text.constData(), std::min<qsizetype>(p_.text.size(), qvrun::kBufferChars), buffer);
    qvrun::pasteIntoBuffer(buffer, p_.selStart, p_.selLength, qvrun::kBufferChars);
    setText(QByteArray(buffer));
    return true;
}

void CQvindatCtrl::deleteKey(bool shift)
{
    if (p_.readOnly)
        return;
    if (p_.selLength != 0) {
        if (shift)
            copySelection();
        removeAndReformat(true);
    } else {
        removeAndReformat(false);
    }
}

void CQvindatCtrl::cut()
{
    // Cutting is Shift+Delete: what is left must still read as a date, or
    // the text is put back; the clipboard keeps the cut characters.
    if (p_.selLength == 0)
        return;
    copySelection();
    if (!p_.readOnly)
        removeAndReformat(true);
}

void CQvindatCtrl::removeAndReformat(bool selection)
{
    const QByteArray before = p_.text;
    dateinput::DateEngine& e = editEngine();
    if (selection) {
        char buffer[qvrun::kBufferBytes] = {};
        std::copy_n(p_.text.constData(), std::min<qsizetype>(p_.text.size(), qvrun::kBufferChars), buffer);
        qvrun::deleteSelection(buffer, e.caretPosition, e.selectionLength);
        e.text = buffer;
        e.caretPosition = std::min(e.caretPosition, e.caretPosition + e.selectionLength);
        e.selectionLength = 0;
        takeEdit();
    } else {
        const int at = e.caretPosition;
        if (at >= int(e.text.size()) || e.text[std::size_t(at)] < '0' || e.text[std::size_t(at)] > '9') {
            takeEdit();
            return;
        }
        e.text.erase(std::size_t(at), 1);
    }
    // The digit left beside a deleted one is a whole day, not a typed tens.
    if (e.ReformatText(dateinput::parsePlain, dateinput::DayDigits::given) != dateinput::dateAccepted) {
        // What is left is no date: the text stays as it was.
        e.text.assign(before.constData(), std::size_t(before.size()));
        takeEdit();
        invalidate();
        return;
    }
    e.FindCaretField();
    takeEdit();
    invalidate();
}

} // namespace qvindat
