// The question window's chapter relabel and renumbering against the same
// work done directly through SQLite in one transaction, on the synthetic
// banks of 10 000 and 100 000 questions laid into a program folder as its
// question database:
//   RenumberCalls    - "Re-Number Database Number" on the entire test;
//                      raw: one UPDATE numbering every row by row_number()
//                      in stored order;
//   RenumberQnums    - "Re-Number Chapter Numbers" on the same set, the pass
//                      alike with a text column; the bank is filed under one
//                      chapter first, as chapter numbers are given only over
//                      a set of exactly one chapter;
//   RelabelChapter   - "Re-Label Chapter Title" of a chapter, Yes and a new
//                      title answered, the title going back and forth between
//                      runs; the bank's own chapter of 100 questions, and one
//                      of 5 000 made by filing the bank's first 5 000 questions
//                      under one title; raw: UPDATE ... WHERE Chapter = ?.
// Each case has a Window and a Raw twin, each on its own copy of the bank.
// The window needs a GUI: without a platform given, the run is headless.

#include "BenchBanks.h"
#include "BenchWindows.h"

#include "questionsets/SetLoading.h"
#include "settings/Markers.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

namespace {

using benchbanks::banks;
using benchbanks::RawBank;
using benchwindows::checkBoxes;
using benchwindows::Program;
using benchwindows::RawCopy;
using benchwindows::startRawCopy;
using benchwindows::startProgram;
using questionwindow::frmMain;

const char* const kBigChapter = "Big Chapter";
const char* const kOwnChapter = "Synthetic Chapter 050";

// The chapter a relabel case renames: the bank's own, or the first 5 000
// questions filed under one title.
const char* prepareChapter(sqlite3* bank, int chapterRows)
{
    if (chapterRows == 100)
        return kOwnChapter;
    const QByteArray sql = QByteArray("UPDATE table1 SET Chapter = '") + kBigChapter
                           + "' WHERE rowid <= " + QByteArray::number(chapterRows);
    sqlite3_exec(bank, sql.constData(), nullptr, nullptr, nullptr);
    return kBigChapter;
}

// ---- Renumbering ------------------------------------------------------------------

// Counts the rows whose field holds their place in stored order.
QByteArray numberedRows(const char* field)
{
    return QByteArray("SELECT count(*) FROM table1 WHERE \"") + field + "\" = rowid";
}

void Renumber_Window(benchmark::State& state, const char* field)
{
    const std::unique_ptr<Program> program = startProgram(state);
    if (!program)
        return;
    const bool calls = QByteArray(field) == "Call";
    if (!calls) {
        const testsupport::RawDatabase bank(program->folder.path() + QStringLiteral("/qbk54.mdb"),
                                            testsupport::RawDatabase::Access::ReadWrite);
        prepareChapter(bank.handle(), int(state.range(0)));
    }
    frmMain& window = program->showWindow();
    window.questionSet().setQuery(QStringLiteral("table1 "));
    for (auto _ : state) {
        if (calls)
            window.mnuRenumber_Click();
        else
            window.mnuReNumChap_Click();
    }
    const RawBank check(program->folder.path() + QStringLiteral("/qbk54.mdb"));
    if (check.count(numberedRows(field).constData()) != state.range(0))
        state.SkipWithError("the bank was not numbered");
    checkBoxes(state, *program);
}

void Renumber_Raw(benchmark::State& state, const char* field)
{
    const std::unique_ptr<RawCopy> copy = startRawCopy(state);
    if (!copy)
        return;
    sqlite3* bank = copy->bank->handle();
    const QByteArray update = QByteArray("UPDATE table1 SET \"") + field
                              + "\" = n.k FROM (SELECT rowid AS r, row_number() OVER (ORDER BY rowid) AS k FROM "
                                "table1) AS n WHERE table1.rowid = n.r";
    for (auto _ : state) {
        sqlite3_exec(bank, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_exec(bank, update.constData(), nullptr, nullptr, nullptr);
        sqlite3_exec(bank, "COMMIT", nullptr, nullptr, nullptr);
    }
    if (copy->bank->count(numberedRows(field).constData()) != state.range(0))
        state.SkipWithError("the bank was not numbered");
}

// ---- RelabelChapter ---------------------------------------------------------------

QString titleOfRun(const char* chapter, int64_t run)
{
    return run % 2 ? QString::fromLatin1(chapter) : QString::fromLatin1(chapter) + QStringLiteral(" Renamed");
}

void RelabelChapter_Window(benchmark::State& state, int chapterRows)
{
    const std::unique_ptr<Program> program = startProgram(state);
    if (!program)
        return;
    const char* chapter = nullptr;
    {
        const testsupport::RawDatabase bank(program->folder.path() + QStringLiteral("/qbk54.mdb"),
                                            testsupport::RawDatabase::Access::ReadWrite);
        chapter = prepareChapter(bank.handle(), chapterRows);
    }
    frmMain& window = program->showWindow();
    window.questionSet().setQuery(questionsets::chapterQuery(QString::fromLatin1(chapter)));
    int64_t run = 0;
    for (auto _ : state) {
        program->boxes.answer(forms::vbYes);
        program->boxes.answer(titleOfRun(chapter, run++));
        program->boxes.answer(forms::vbOK);
        window.mnuRelabel_Click();
    }
    if (window.txtChapter->text() != titleOfRun(chapter, run - 1))
        state.SkipWithError("the chapter was not renamed");
    checkBoxes(state, *program);
}

void RelabelChapter_Raw(benchmark::State& state, int chapterRows)
{
    const std::unique_ptr<RawCopy> copy = startRawCopy(state);
    if (!copy)
        return;
    sqlite3* bank = copy->bank->handle();
    const char* chapter = prepareChapter(bank, chapterRows);
    sqlite3_stmt* stmt = nullptr;
    int64_t run = 0;
    for (auto _ : state) {
        const QByteArray title = titleOfRun(chapter, run).toUtf8();
        const QByteArray old = titleOfRun(chapter, run + 1).toUtf8();
        ++run;
        sqlite3_exec(bank, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(bank, "UPDATE table1 SET Chapter = ?1 WHERE Chapter = ?2", -1, &stmt, nullptr);
        sqlite3_bind_text(stmt, 1, title.constData(), int(title.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, old.constData(), int(old.size()), SQLITE_TRANSIENT);
        sqlite3_step(stmt);
        sqlite3_finalize(stmt);
        sqlite3_exec(bank, "COMMIT", nullptr, nullptr, nullptr);
    }
    const QByteArray last = titleOfRun(chapter, run - 1).toUtf8();
    if (copy->bank->count(("SELECT count(*) FROM table1 WHERE Chapter = '" + last + "'").constData()) != chapterRows)
        state.SkipWithError("the chapter was not renamed");
}

} // namespace

BENCHMARK_CAPTURE(Renumber_Window, Calls, "Call")->Apply(banks);
BENCHMARK_CAPTURE(Renumber_Raw, Calls, "Call")->Apply(banks);
BENCHMARK_CAPTURE(Renumber_Window, Qnums, "QNUM")->Apply(banks);
BENCHMARK_CAPTURE(Renumber_Raw, Qnums, "QNUM")->Apply(banks);
BENCHMARK_CAPTURE(RelabelChapter_Window, chapter100, 100)->Apply(banks);
BENCHMARK_CAPTURE(RelabelChapter_Raw, chapter100, 100)->Apply(banks);
BENCHMARK_CAPTURE(RelabelChapter_Window, chapter5000, 5000)->Apply(banks);
BENCHMARK_CAPTURE(RelabelChapter_Raw, chapter5000, 5000)->Apply(banks);

int main(int argc, char** argv)
{
    return benchwindows::run(argc, argv);
}
