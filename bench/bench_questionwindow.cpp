// The question window against the same work done directly through SQLite, on
// the synthetic banks of 10 000 and 100 000 questions laid into a program
// folder as its question database:
//   OpenBank   - the window's load step and its activation on the whole
//                table (form<frmMain>() then Show; unloaded between runs);
//                raw: open the file, read the first row, count, read the last;
//   RandomTest - "Entire Question Bank" random test, the count prompt
//                answered "50"; raw: the random 50 rows, stepped through;
//   NextRecord - 1000 presses of "Next" from the first record; raw: 1000 rows
//                read by key through one prepared statement;
//   MultiChapterTest - "Create Test" of the multi-chapter window: 50
//                questions drawn from 24 chapters spread over the bank, both
//                levels. Window: the test's own work, with the question window
//                already in front; Shown: the whole press, the multi-chapter
//                window in front, so that showing the question window runs
//                its activation (the set's last question marked, the answer
//                mode, the first record shown); raw: the same query's 50 rows,
//                stepped through.
// Each case has a Window and a Raw twin; the window works on its own copy of
// the bank, the raw twins read the bank file itself. NextRecord on both banks
// shows whether a move stays as cheap when the bank grows.
//
// The window needs a GUI: without a platform given, the run is headless.

#include "BenchBanks.h"
#include "BenchWindows.h"

#include "questionsets/frmSelect.h"
#include "questionwindow/frmMain.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QStringList>

#include <memory>

namespace {

using benchbanks::bankPath;
using benchbanks::banks;
using benchbanks::haveBank;
using benchbanks::kEveryColumn;
using benchbanks::RawBank;
using questionsets::frmSelect;
using benchwindows::checkBoxes;
using benchwindows::Program;
using benchwindows::settle;
using benchwindows::startProgram;
using questionwindow::frmMain;

constexpr int kMoves = 1000;
constexpr int kTestChapters = 24;
constexpr int kTestSize = 50;

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

// ---- MultiChapterTest -------------------------------------------------------------

// 24 chapter titles spread evenly over the synthetic bank's chapters of 100.
QStringList spreadChapters(int64_t bankSize)
{
    const int64_t chapters = bankSize / 100;
    QStringList titles;
    for (int i = 0; i < kTestChapters; ++i)
        titles << QStringLiteral("Synthetic Chapter %1").arg(1 + i * chapters / kTestChapters, 3, 10, QLatin1Char('0'));
    return titles;
}

// The multi-chapter window with the 24 chapters and the number chosen.
frmSelect& chooseTest(benchmark::State& state)
{
    frmSelect& select = forms::form<frmSelect>();
    for (const QString& title : spreadChapters(state.range(0))) {
        for (int row = 0; row < select.List1->listCount(); ++row) {
            if (select.List1->list(row) == title)
                select.List1->setListIndex(row);
        }
        select.List2_DragDrop(title);
    }
    select.txtNum->setText(QString::number(kTestSize));
    if (select.txtCount->text() != QString::number(kTestChapters))
        state.SkipWithError("the chapters were not chosen");
    return select;
}

// pressedInItsWindow: the multi-chapter window is in front when Create Test
// is pressed, as it is for the user; otherwise the question window is.
void MultiChapterTest(benchmark::State& state, bool pressedInItsWindow)
{
    const std::unique_ptr<Program> program = startProgram(state);
    if (!program)
        return;
    frmMain& window = program->showWindow();
    frmSelect& select = chooseTest(state);
    for (auto _ : state) {
        if (pressedInItsWindow) {
            state.PauseTiming();
            select.Show();
            state.ResumeTiming();
        }
        select.cmdCreate_Click();
        benchmark::DoNotOptimize(window.txtCount->text());
    }
    if (window.txtCount->text() != QString::number(kTestSize) || forms::App::current().activeForm() != &window)
        state.SkipWithError("the test did not reach the question window");
    checkBoxes(state, *program);
}

void MultiChapterTest_Raw(benchmark::State& state)
{
    if (!haveBank(state))
        return;
    const RawBank bank(bankPath(state.range(0)));
    QStringList conditions;
    for (const QString& title : spreadChapters(state.range(0)))
        conditions << QStringLiteral("Chapter='%1'").arg(title);
    const QByteArray sql = QStringLiteral("SELECT * FROM table1 WHERE %1 ORDER BY random() LIMIT %2")
                               .arg(conditions.join(QStringLiteral(" OR ")))
                               .arg(kTestSize)
                               .toUtf8();
    int64_t characters = 0;
    for (auto _ : state) {
        if (bank.walk(sql.constData(), {}, kEveryColumn, characters) != kTestSize)
            state.SkipWithError("unexpected set size");
    }
    benchmark::DoNotOptimize(characters);
}

} // namespace

BENCHMARK(OpenBank_Window)->Apply(banks);
BENCHMARK(OpenBank_Raw)->Apply(banks);
BENCHMARK(RandomTest_Window)->Apply(banks);
BENCHMARK(RandomTest_Raw)->Apply(banks);
BENCHMARK(NextRecord_Window)->Apply(banks);
BENCHMARK(NextRecord_Raw)->Apply(banks);
BENCHMARK_CAPTURE(MultiChapterTest, Window, false)->Apply(banks);
BENCHMARK_CAPTURE(MultiChapterTest, Shown, true)->Apply(banks);
BENCHMARK(MultiChapterTest_Raw)->Apply(banks);

int main(int argc, char** argv)
{
    return benchwindows::run(argc, argv);
}
