// The question window against the same work done directly through SQLite, on
// the synthetic banks of 10 000 and 100 000 questions laid into a program
// folder as its question database:
//   OpenBank   - the window's load step and its activation on the whole
//                table (form<frmMain>() then Show; unloaded between runs);
//                raw: open the file, read the first row, count, read the last;
//   RandomTest - "Entire Question Bank" random test, the count prompt
//                answered "50"; raw: the random 50 rows, stepped through;
//   NextRecord - 1000 presses of "Next" from the first record; raw: 1000 rows
//                read by key through one prepared statement.
// Each case has a Window and a Raw twin; the window works on its own copy of
// the bank, the raw twins read the bank file itself. NextRecord on both banks
// shows whether a move stays as cheap when the bank grows.
//
// The window needs a GUI: without a platform given, the run is headless.

#include "BenchBanks.h"
#include "BenchWindows.h"

#include "questionwindow/frmMain.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

namespace {

using benchbanks::bankPath;
using benchbanks::banks;
using benchbanks::haveBank;
using benchbanks::kEveryColumn;
using benchbanks::RawBank;
using benchwindows::checkBoxes;
using benchwindows::Program;
using benchwindows::settle;
using benchwindows::startProgram;
using questionwindow::frmMain;

constexpr int kMoves = 1000;

// ---- OpenBank -----------------------------------------------------------------

void OpenBank_Window(benchmark::State& state)
{
    const std::unique_ptr<Program> program = startProgram(state);
    if (!program)
        return;
    for (auto _ : state) {
        frmMain& window = program->showWindow();
        benchmark::DoNotOptimize(window.txtMark->text());
        state.PauseTiming();
        if (window.txtCall->text() != QLatin1String("1"))
            state.SkipWithError("the window did not open on the first record");
        window.Unload();
        settle();
        state.ResumeTiming();
    }
    checkBoxes(state, *program);
}

void OpenBank_Raw(benchmark::State& state)
{
    if (!haveBank(state))
        return;
    const QString database = bankPath(state.range(0));
    int64_t characters = 0;
    for (auto _ : state) {
        const RawBank bank(database);
        bank.walk("SELECT * FROM table1 LIMIT 1", {}, kEveryColumn, characters);
        const int64_t rows = bank.count("SELECT count(*) FROM table1");
        bank.walk("SELECT * FROM table1 ORDER BY rowid DESC LIMIT 1", {}, kEveryColumn, characters);
        if (rows != state.range(0))
            state.SkipWithError("unexpected bank size");
    }
    benchmark::DoNotOptimize(characters);
}

// ---- RandomTest ---------------------------------------------------------------

void RandomTest_Window(benchmark::State& state)
{
    const std::unique_ptr<Program> program = startProgram(state);
    if (!program)
        return;
    frmMain& window = program->showWindow();
    for (auto _ : state) {
        program->boxes.answer(QStringLiteral("50"));
        window.mnuEntire_Click();
        benchmark::DoNotOptimize(window.txtMark->text());
    }
    if (window.txtCount->text() != QLatin1String("50"))
        state.SkipWithError("unexpected set size");
    checkBoxes(state, *program);
}

void RandomTest_Raw(benchmark::State& state)
{
    if (!haveBank(state))
        return;
    const RawBank bank(bankPath(state.range(0)));
    int64_t characters = 0;
    for (auto _ : state) {
        if (bank.walk("SELECT * FROM table1 ORDER BY random() LIMIT 50", {}, kEveryColumn, characters) != 50)
            state.SkipWithError("unexpected set size");
    }
    benchmark::DoNotOptimize(characters);
}

// ---- NextRecord -----------------------------------------------------------------

void NextRecord_Window(benchmark::State& state)
{
    const std::unique_ptr<Program> program = startProgram(state);
    if (!program)
        return;
    frmMain& window = program->showWindow();
    for (auto _ : state) {
        for (int move = 0; move < kMoves; ++move)
            window.cmdNext_Click();
        state.PauseTiming();
        if (window.txtCall->text() != QString::number(kMoves + 1))
            state.SkipWithError("the moves did not reach the expected record");
        window.cmdFirst_Click();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kMoves);
    checkBoxes(state, *program);
}

void NextRecord_Raw(benchmark::State& state)
{
    if (!haveBank(state))
        return;
    const RawBank bank(bankPath(state.range(0)));
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(bank.handle(), "SELECT * FROM table1 WHERE rowid = ?1", -1, &stmt, nullptr);
    int64_t characters = 0;
    for (auto _ : state) {
        for (int rowid = 2; rowid <= kMoves + 1; ++rowid) {
            sqlite3_bind_int64(stmt, 1, rowid);
            if (sqlite3_step(stmt) == SQLITE_ROW)
                characters += RawBank::readRow(stmt);
            else
                state.SkipWithError("row missing");
            sqlite3_reset(stmt);
        }
    }
    sqlite3_finalize(stmt);
    state.SetItemsProcessed(state.iterations() * kMoves);
    benchmark::DoNotOptimize(characters);
}

} // namespace

BENCHMARK(OpenBank_Window)->Apply(banks);
BENCHMARK(OpenBank_Raw)->Apply(banks);
BENCHMARK(RandomTest_Window)->Apply(banks);
BENCHMARK(RandomTest_Raw)->Apply(banks);
BENCHMARK(NextRecord_Window)->Apply(banks);
BENCHMARK(NextRecord_Raw)->Apply(banks);

int main(int argc, char** argv)
{
    return benchwindows::run(argc, argv);
}
