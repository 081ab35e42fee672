// The date-input control to a screen reader: editable text whose value is
// the date as it is shown, with the caret and the selection.
#include "controls/dateinput/CQvindatCtrl.h"

#include <QStringDecoder>

#include <algorithm>

namespace qvindat {

QAccessible::Role CQvindatCtrl::accessibleRole() const
{
    return QAccessible::EditableText;
}

std::optional<controls::HostedControl::AccessibleText> CQvindatCtrl::accessibleText() const
{
    QStringDecoder decoder("Windows-1252");
    AccessibleText said;
    said.text = decoder(p_.text);
    said.caret = std::clamp(p_.selStart, 0, textLength());
    said.selectionStart = std::clamp(std::min(p_.selStart, p_.selStart + p_.selLength), 0, textLength());
    said.selectionEnd = std::clamp(std::max(p_.selStart, p_.selStart + p_.selLength), 0, textLength());
    said.readOnly = p_.readOnly != 0;
    return said;
}

} // namespace qvindat
