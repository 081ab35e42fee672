// Typing a character into the date: the separator jumps to the next field,
// a selection is replaced, and each field takes only the characters that
// can still make a date; a refused character beeps and changes nothing.
#include "controls/dateinput/CQvindatCtrl.h"

#include "controls/dateinput/QvindatClasses.h"
#include "controls/runtime/Beep.h"
#include "controls/runtime/TextBuffer.h"

#include <algorithm>

namespace qvindat {

using namespace com;

namespace {

constexpr DispId kKeyPressEvent = -603;
constexpr int kSlots = dateinput::DateEngine::fieldSlots;

const dateinput::DateField* fieldAt(const dateinput::DateEngine& e, int index)
{
    return index >= 0 && index < kSlots ? &e.fields()[std::size_t(index)] : nullptr;
}

int currentFieldLength(const dateinput::DateEngine& e)
{
    const dateinput::DateField* field = fieldAt(e, e.currentField);
    return field ? field->length : 0;
}

} // namespace

void CQvindatCtrl::beep() const
{
    qvrun::messageBeep();
}

void CQvindatCtrl::OnChar(char typed, bool ctrl)
{
    // The container sees the character first and may change or drop it.
    Variant args[] = {Variant::i2(std::int16_t(static_cast<unsigned char>(typed)))};
    fireEvent(kKeyPressEvent, args);
    std::int16_t code = 0;
    if (failed(args[0].toI2(&code)))
        code = static_cast<unsigned char>(typed);
    const char c = char(code);
    if (p_.readOnly || c == 0)
        return;
    if (ctrl && (c == 3 || c == 22 || c == 24))
        return;

    dateinput::DateEngine& e = editEngine();
    const bool zero = c == '0';
    if (zero)
        e.zeroFlag = true;
    const std::string copy = e.text;
    const char separator = e.dateSeparator();
    auto length = [&e] { return int(e.text.size()); };

    // Whatever happened to the text, the keystroke ends the same way: one
    // Change for a changed text, and the text is what Undo puts back.
    auto finish = [&] {
        takeEdit();
        invalidate();
        if (e.text != copy)
            fireEvent(event::Change);
        if (zero)
            engine_.zeroFlag = false;
        p_.undoText = p_.text;
    };

    if (c == separator) {
        const dateinput::DateField* next = fieldAt(e, e.currentField + 1);
        if (next && next->length > 0) {
            ++e.currentField;
            e.caretPosition = next->start;
            e.caretOffset = 0;
        }
        e.caretPosition = std::min(e.caretPosition, length());
        e.selectionLength = 0;
    }

    // A blank or comma that separates inside a long field takes nothing.
    if (e.caretPosition < length()) {
        const char at = e.text[std::size_t(e.caretPosition)];
        if ((at == ' ' || at == ',') && at == separator && currentFieldLength(e) > 1) {
            e.FindCaretField();
            beep();
            return finish();
        }
    }

    if (e.selectionLength != 0) {
        // The character replaces the selection; the text is filled up with
        // zeros to the end of the field it now ends in, and must still read.
        const int caretBefore = e.caretPosition;
        const int selectionBefore = e.selectionLength;
        char buffer[qvrun::kBufferBytes] = {};
        std::copy_n(e.text.data(), std::min<std::size_t>(e.text.size(), qvrun::kBufferChars), buffer);
        const char one[2] = {c, 0};
        const int after = qvrun::insertText(buffer, e.caretPosition, e.selectionLength, one);
        e.text = buffer;
        e.caretPosition = std::max(0, after - 1);
        e.selectionLength = 0;
        for (const dateinput::DateField& field : e.fields()) {
            const int end = field.start + field.length;
            if (end >= length()) {
                e.text.append(std::size_t(end - length()), '0');
                break;
            }
        }
        takeEdit();
        e.FindCaretField();
        if (e.ReformatText(dateinput::parseRepair) != dateinput::dateAccepted) {
            e.text = copy;
            e.caretPosition = caretBefore;
            e.selectionLength = selectionBefore;
            beep();
            return finish();
        }
        if (currentFieldLength(e) > 1)
            e.SkipToField(+1);
        e.FindCaretField();
        takeEdit();
        invalidate();
        if (e.caretPosition == length())
            fireEvent(event::AutoTerminate);
    }

    e.selectionLength = 0;
    char accepted = c;
    if (!e.AcceptFieldChar(accepted) || e.caretPosition >= length()) {
        beep();
        return finish();
    }
    const dateinput::DateField* field = fieldAt(e, e.currentField);
    const std::string beforeTyping = e.text;
    const int caretBefore = e.caretPosition;
    // A one-character field grows by the digit typed after it; elsewhere
    // the character at the caret is typed over.
    if (field && field->length == 1 && e.caretOffset == 1)
        e.text.insert(std::size_t(e.caretPosition), 1, accepted);
    else
        e.text[std::size_t(e.caretPosition)] = accepted;
    takeEdit();
    // A digit that starts a field waits for the next before the date is read.
    if (!e.digitStarted && e.ReformatText(dateinput::parseRepair) != dateinput::dateAccepted) {
        e.text = beforeTyping;
        e.caretPosition = caretBefore;
        beep();
        return finish();
    }
    ++e.caretPosition;
    if (currentFieldLength(e) > 1 || e.fieldToRepair >= 0)
        e.SkipToField(+1);
    e.FindCaretField();
    if (e.caretOffset < 0) {
        // The caret stands on a literal before its field: it goes to the field.
        e.caretPosition -= e.caretOffset;
        e.caretOffset = 0;
    }
    takeEdit();
    if (e.caretPosition == length())
        fireEvent(event::AutoTerminate);
    finish();
}

} // namespace qvindat
