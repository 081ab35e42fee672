#pragma once

#include "ProgramFolder.h"

#include "platform/forms/App.h"
#include "platform/forms/ScriptedDialogs.h"

namespace testsupport {

// A running program on a fresh copy of the sample folder, with its message
// and input boxes scripted: what most window tests start from.
struct ProgramFixture {
    explicit ProgramFixture(bool withSample = true) : folder(withSample), app(folder.path()), boxes(app.dialogs()) {}

    QString databasePath() const { return folder.databasePath(); }

    ProgramFolder folder;
    forms::App app;
    forms::ScriptedDialogs boxes;
};

} // namespace testsupport
