// What the benchmarks of the program's windows share: the running program
// on its own copy of a synthetic bank, and the run itself, with a GUI that
// is headless unless a platform is given.

#pragma once

#include "BenchBanks.h"
#include "support/ProgramFolder.h"

#include "contents/frmContents.h"
#include "platform/forms/App.h"
#include "platform/forms/ScriptedDialogs.h"
#include "questionwindow/frmMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>

namespace benchwindows {

using benchbanks::bankPath;
using benchbanks::haveBank;
using questionwindow::frmMain;

// A program folder in a temporary directory: the sample's pictures, skins,
// sounds and character, with a synthetic bank as its question database.
class ProgramCopy {
public:
    explicit ProgramCopy(int64_t bankSize) { ok_ = folder_.isValid() && folder_.replaceDatabase(bankPath(bankSize)); }

    bool ok() const { return ok_; }
    QString path() const { return folder_.path(); }

private:
    testsupport::ProgramFolder folder_;
    bool ok_ = false;
};

// A copy of the bank for a raw twin that writes.
struct RawCopy {
    explicit RawCopy(int64_t bankSize)
    {
        ok = folder.isValid() && folder.replaceDatabase(bankPath(bankSize));
        if (ok)
            bank = std::make_unique<benchbanks::RawBank>(folder.databasePath());
    }
    testsupport::ProgramFolder folder;
    std::unique_ptr<benchbanks::RawBank> bank;
    bool ok = false;
};

// The running program on a copy of the bank, its boxes scripted, with the
// main table of contents loaded as it is when it opens the question window.
struct Program {
    explicit Program(int64_t bankSize) : folder(bankSize), app(folder.path()), boxes(app.dialogs())
    {
        forms::form<contents::frmContents>();
    }

    // The question window shown on the whole table, at its first record.
    frmMain& showWindow()
    {
        auto& window = forms::form<frmMain>();
        window.Show();
        return window;
    }

    ProgramCopy folder;
    forms::App app;
    forms::ScriptedDialogs boxes;
};

// Lets the program destroy what it unloaded, as its event loop would.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The program for a window case; none, and the case skipped, without the
// bank or its folder.
inline std::unique_ptr<Program> startProgram(benchmark::State& state)
{
    if (!haveBank(state))
        return nullptr;
    auto program = std::make_unique<Program>(state.range(0));
    if (program->folder.ok())
        return program;
    state.SkipWithError("could not lay out the program folder");
    return nullptr;
}

// A box the case did not script would have stood in for a user's answer.
inline void checkBoxes(benchmark::State& state, const Program& program)
{
    if (!program.boxes.ok())
        state.SkipWithError(qPrintable(program.boxes.problems()));
}

inline int run(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace benchwindows
