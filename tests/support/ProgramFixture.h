#pragma once

#include "FailOnFault.h"
#include "ProgramFolder.h"

#include "platform/forms/App.h"
#include "platform/forms/ScriptedDialogs.h"

namespace testsupport {

// A running program on a fresh copy of the sample folder, with its message
// and input boxes scripted and its programming faults failing the test: what
// most window tests start from.
struct ProgramFixture {
    explicit ProgramFixture(bool withSample = true) : folder(withSample), app(folder.path()), boxes(app.dialogs()) {}

    QString databasePath() const { return folder.databasePath(); }

    FailOnFault faults; // first in, last out: it covers the windows' load and unload steps
    ProgramFolder folder;
    forms::App app;
    forms::ScriptedDialogs boxes;
};

} // namespace testsupport
