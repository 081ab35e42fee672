// The question window's keyword search and saved session against the same
// work done directly through SQLite, on the synthetic banks of 10 000 and
// 100 000 questions laid into a program folder as its question database:
//   KeywordSearch - "Search Questions For Keywords" for "smoke" (in 6% of the
//                   questions), the bank's index built by an earlier search;
//                   raw: LIKE '%smoke%' over the six long-text fields;
//   SessionSave   - "Save This Session" of a set of 10 000 questions, Yes to
//                   its question; raw: DELETE and INSERT ... SELECT of the same
//                   10 000 rows in one transaction;
//   SessionLoad   - "Load Last Saved Session" of those 10 000 rows (nothing
//                   answered yet: no resume walk); raw: count the saved rows
//                   and read the first and the last.
// Each case has a Window and a Raw twin; every case works on its own copy of
// the bank. The window needs a GUI: without a platform given, the run is
// headless.

#include "BenchBanks.h"
#include "BenchWindows.h"

#include "questionsets/SetLoading.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

namespace {

using benchbanks::bankPath;
using benchbanks::banks;
using benchbanks::haveBank;
using benchbanks::kEveryColumn;
using benchbanks::kNoColumn;
using benchbanks::RawBank;
using benchwindows::checkBoxes;
using benchwindows::Program;
using benchwindows::RawCopy;
using benchwindows::startRawCopy;
using benchwindows::startProgram;
using questionwindow::frmMain;

constexpr int kSessionSize = 10000;
const QString kSessionSet = QStringLiteral("SELECT Top 10000 * FROM table1");
const char* const kSavedColumns = "Call, Answer, QNUM, Question, A, B, C, D, E, Chapter, X, Memo, Page, FF, Elephant";

void saveSession(frmMain& window, forms::ScriptedDialogs& boxes)
{
    boxes.answer(forms::vbYes);
    window.mnuSaveThisSession_Click();
}

// ---- KeywordSearch --------------------------------------------------------------

void KeywordSearch_Window(benchmark::State& state)
{
    const std::unique_ptr<Program> program = startProgram(state);
    if (!program)
        return;
    frmMain& window = program->showWindow();
    const auto search = [&] {
        program->boxes.answer(QStringLiteral("smoke"));
        window.mnuKwed_Click();
    };
    search(); // the first search builds the bank's index
    for (auto _ : state)
        search();
    state.counters["hits"] = window.txtCount->text().toDouble();
    checkBoxes(state, *program);
}

void KeywordSearch_Raw(benchmark::State& state)
{
    if (!haveBank(state))
        return;
    const RawBank bank(bankPath(state.range(0)));
    const char* sql = "SELECT ID FROM table1 WHERE Question LIKE '%smoke%' OR A LIKE '%smoke%' OR B LIKE '%smoke%' "
                      "OR C LIKE '%smoke%' OR D LIKE '%smoke%' OR Memo LIKE '%smoke%'";
    int64_t hits = 0;
    int64_t unused = 0;
    for (auto _ : state)
        hits = bank.walk(sql, QByteArray(), kNoColumn, unused);
    state.counters["hits"] = double(hits);
}

// ---- SessionSave ----------------------------------------------------------------

void SessionSave_Window(benchmark::State& state)
{
    const std::unique_ptr<Program> program = startProgram(state);
    if (!program)
        return;
    frmMain& window = program->showWindow();
    window.questionSet().setQuery(kSessionSet);
    for (auto _ : state)
        saveSession(window, program->boxes);
    if (window.Data5->recordset().recordCount() != kSessionSize)
        state.SkipWithError("unexpected session size");
    checkBoxes(state, *program);
}

void SessionSave_Raw(benchmark::State& state)
{
    const std::unique_ptr<RawCopy> copy = startRawCopy(state);
    if (!copy)
        return;
    const QByteArray insert = QByteArray("INSERT INTO Table12 (") + kSavedColumns
                              + ", Clone, \"Right\", Wrong, Score, Total) SELECT " + kSavedColumns
                              + ", 'CloneItBaby', '0', '0', '0', '0' FROM table1 ORDER BY rowid LIMIT 10000";
    for (auto _ : state) {
        sqlite3_exec(copy->bank->handle(), "BEGIN IMMEDIATE; DELETE FROM Table12;", nullptr, nullptr, nullptr);
        sqlite3_exec(copy->bank->handle(), insert.constData(), nullptr, nullptr, nullptr);
        sqlite3_exec(copy->bank->handle(), "COMMIT", nullptr, nullptr, nullptr);
    }
    if (copy->bank->count("SELECT count(*) FROM Table12") != kSessionSize)
        state.SkipWithError("unexpected session size");
}

// ---- SessionLoad ----------------------------------------------------------------

void SessionLoad_Window(benchmark::State& state)
{
    const std::unique_ptr<Program> program = startProgram(state);
    if (!program)
        return;
    frmMain& window = program->showWindow();
    window.questionSet().setQuery(kSessionSet);
    saveSession(window, program->boxes);
    for (auto _ : state) {
        window.mnuLastSession_Click();
        benchmark::DoNotOptimize(window.txtMark->text());
    }
    if (window.txtCount->text() != QString::number(kSessionSize))
        state.SkipWithError("unexpected session size");
    checkBoxes(state, *program);
}

void SessionLoad_Raw(benchmark::State& state)
{
    const std::unique_ptr<RawCopy> copy = startRawCopy(state);
    if (!copy)
        return;
    const QByteArray insert = QByteArray("INSERT INTO Table12 (") + kSavedColumns + ") SELECT " + kSavedColumns
                              + " FROM table1 ORDER BY rowid LIMIT 10000";
    sqlite3_exec(copy->bank->handle(), insert.constData(), nullptr, nullptr, nullptr);
    int64_t characters = 0;
    for (auto _ : state) {
        copy->bank->walk("SELECT * FROM Table12 LIMIT 1", {}, kEveryColumn, characters);
        if (copy->bank->count("SELECT count(*) FROM Table12") != kSessionSize)
            state.SkipWithError("unexpected session size");
        copy->bank->walk("SELECT * FROM Table12 ORDER BY rowid DESC LIMIT 1", {}, kEveryColumn, characters);
    }
    benchmark::DoNotOptimize(characters);
}

} // namespace

BENCHMARK(KeywordSearch_Window)->Apply(banks);
BENCHMARK(KeywordSearch_Raw)->Apply(banks);
BENCHMARK(SessionSave_Window)->Apply(banks);
BENCHMARK(SessionSave_Raw)->Apply(banks);
BENCHMARK(SessionLoad_Window)->Apply(banks);
BENCHMARK(SessionLoad_Raw)->Apply(banks);

int main(int argc, char** argv)
{
    return benchwindows::run(argc, argv);
}
