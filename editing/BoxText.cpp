#include "editing/BoxText.h"

#include "platform/forms/TextBox.h"

namespace editing {

QString BoxText::text() const
{
    return box_.text();
}

void BoxText::replace(int start, int length, const QString& replacement)
{
    box_.setSelStart(start);
    box_.setSelLength(length);
    box_.setSelText(replacement);
}

} // namespace editing
