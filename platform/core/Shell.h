#pragma once

#include <QString>

namespace platform {

// A program named the old way ("\\TruVoice.exe") as it is named here: the
// same path without the ".exe" ending (any letter case), since programs on
// this system carry no ending. Other paths are returned as they are.
QString programPath(const QString& path);

// Starts the program at `path` (mapped by programPath) in a window of its
// own and returns at once with its process id; the caller does not wait for
// it. A path with no file behind it raises programMissing (53); a file that
// cannot be run (not executable, a folder) raises programNotStarted (5).
qint64 shell(const QString& path);

} // namespace platform
