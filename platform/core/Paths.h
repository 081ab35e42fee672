#pragma once

#include <QString>

namespace platform {

// Joins a file name written the old way ("\\pictures\\blank.jpg", with either
// separator and any letter case) to a folder. Each component is matched
// against what is on disk without regard to case, since the windows spell
// one file several ways; a component that does not exist is kept as written.
QString joinProgramPath(const QString& folder, const QString& relative);

} // namespace platform
