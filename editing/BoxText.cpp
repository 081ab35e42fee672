#include "editing/BoxText.h"

#include "platform/forms/TextBox.h"

namespace editing {

QString BoxText::text() const
{
    return box_.text();
}

// The caret goes back where the user left it, moved by the change of length
// when it stood after the word: a word corrected as it is typed is
// corrected after the key that ended it, and typing goes on from there.
void BoxText::replace(int start, int length, const QString& replacement)
{
    const int caret = box_.selStart();
    box_.setSelStart(start);
    box_.setSelLength(length);
    box_.setSelText(replacement);
    const int end = start + int(replacement.size());
    box_.setSelStart(caret >= start + length ? caret + end - (start + length) : caret <= start ? caret : end);
    box_.setSelLength(0);
}

} // namespace editing
