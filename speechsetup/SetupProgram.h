#pragma once

#include "speechsetup/SpeechSetup.h"

#include <QString>

namespace speechsetup {

using SetupStep = Report (*)(const QString& programFolder);

// The body of a setup program: runs its step on the folder the program lies
// in (the program folder) and shows the report in a window of its own.
// Returns the program's exit code: 0 when everything is in place.
int runSetupProgram(int argc, char** argv, const QString& title, SetupStep step);

} // namespace speechsetup
