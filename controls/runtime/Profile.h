#pragma once

#include "controls/runtime/RuntimeExport.h"

#include <QString>

#include <optional>
#include <string>

namespace qvrun {

// The user's own settings that every control reads alike, such as the date
// separator, the date patterns and the language of the "intl" section: an INI
// file, "profile.ini" in the user's drillbook settings folder, or the file
// that DRILLBOOK_PROFILE names. A missing file, section or key answers none,
// so the caller's default applies.
QVRUN_EXPORT QString profilePath();

// A key's value, read from the file at every call and never kept, so a
// change of the settings reaches the next use. Sections and keys match
// without regard to case; the value is the text after "=", blanks trimmed,
// taken as it stands (commas and quotes are part of a date pattern).
QVRUN_EXPORT std::optional<std::string> profileString(const char* section, const char* key);

} // namespace qvrun
