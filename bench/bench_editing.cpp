// Removing a chapter through the chapter palette against the same work done
// directly through SQLite, on the synthetic banks of 10 000 and 100 000
// questions laid into a program folder as its question database:
//   ChapterRemoval - "&Delete" in the palette on a chapter of 5 000
//                    questions that stands on a button of bank II and one of
//                    bank III and in the chapter list, Yes to its question:
//                    the captions cleared and the windows' titles read again,
//                    the questions and the list row deleted, the list read
//                    again; raw: the same UPDATE of the titles row and the two
//                    DELETEs in one transaction. Window times the whole click
//                    (the palette hidden for the question and shown again;
//                    no table of contents is on screen, so none is
//                    activated between); Step only the removal once
//                    confirmed.
// Between iterations, untimed, the chapter is put back from a copy kept in
// the file, through a connection of its own beside the one that removes, so
// neither twin starts with the chapter's rows in its page cache from having
// just written them. Each twin works on its own copy of the bank with the
// engine's journal, sync and cache settings. The window needs a GUI: without a
// platform given, the run is headless.

#include "BenchBanks.h"
#include "BenchWindows.h"

#include "contents/frmContentsBank.h"
#include "editing/frmQ.h"
#include "platform/data/Quoting.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

namespace {

using benchbanks::banks;
using benchbanks::haveBank;
using benchwindows::Program;
using benchwindows::RawCopy;
using benchwindows::settle;
using benchwindows::startProgram;

constexpr int kChapterSize = 5000;
const QString kChapter = QStringLiteral("Removed Chapter's Questions");

void exec(sqlite3* db, const QString& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message);
        sqlite3_free(message);
        qFatal("%s: %s", qPrintable(sql), qPrintable(text));
    }
}

// The settings the engine gives its own connection.
void likeTheEngine(sqlite3* db) { exec(db, "PRAGMA synchronous=FULL; PRAGMA cache_size=-16384; PRAGMA journal_mode=DELETE"); }

// The first 5 000 questions become one chapter, kept in a spare table too.
void plantChapter(sqlite3* db)
{
    const QString title = data::sqlText(kChapter);
    exec(db, QStringLiteral("UPDATE table1 SET Chapter = %1 WHERE ID <= %2").arg(title).arg(kChapterSize));
    exec(db, QStringLiteral("CREATE TABLE spare AS SELECT * FROM table1 WHERE Chapter = %1").arg(title));
}

// Puts the chapter back whole: its questions, one list row and two captions.
void restoreChapter(sqlite3* db)
{
    const QString title = data::sqlText(kChapter);
    exec(db, QStringLiteral("BEGIN; DELETE FROM table1 WHERE ID IN (SELECT ID FROM spare); "
                            "INSERT INTO table1 SELECT * FROM spare; DELETE FROM Table4 WHERE Chapter = %1; "
                            "INSERT INTO Table4 (Chapter) VALUES (%1); UPDATE Table3 SET titlea21 = %1, tb321 = %1; "
                            "COMMIT")
                 .arg(title));
}

int64_t chapterRows(sqlite3* db)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM table1 WHERE Chapter = ?", -1, &stmt, nullptr);
    const QByteArray title = kChapter.toUtf8();
    sqlite3_bind_text(stmt, 1, title.constData(), int(title.size()), SQLITE_TRANSIENT);
    const int64_t rows = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : -1;
    sqlite3_finalize(stmt);
    return rows;
}

// ---- ChapterRemoval ---------------------------------------------------------------

// The program with the chapter planted; the palette on screen with the
// chapter chosen is made by prepare() before each removal, untimed.
struct RemovalProgram {
    explicit RemovalProgram(Program& program) : side(program.folder.path() + "/qbk54.mdb")
    {
        likeTheEngine(side.handle());
        plantChapter(side.handle());
    }

    // Puts the chapter back and lets everything read the file afresh, as
    // after the program's own start; returns the palette, chapter chosen.
    editing::frmQ& prepare()
    {
        restoreChapter(side.handle());
        if (forms::App::current().isLoaded<editing::frmQ>())
            forms::form<editing::frmQ>().Unload();
        settle();
        for (contents::ContentsWindow* window : std::initializer_list<contents::ContentsWindow*>{
                 &forms::form<contents::frmContents>(), &forms::form<contents::frmContents2>(),
                 &forms::form<contents::frmContents3>()})
            window->Data1->refresh();
        // On screen, as the user has it when pressing "&Delete".
        auto& palette = forms::form<editing::frmQ>();
        palette.Show();
        palette.lstA->setListIndex(palette.lstA->listCount() - 1);
        return palette;
    }

    benchbanks::RawBank side;
};

// Times `remove` on the palette prepared afresh for each removal.
template <class Remove>
void timeRemovals(benchmark::State& state, Remove remove)
{
    const std::unique_ptr<Program> program = startProgram(state);
    if (!program)
        return;
    RemovalProgram removal(*program);
    int64_t removed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editing::frmQ& palette = removal.prepare();
        const int64_t before = chapterRows(removal.side.handle());
        program->boxes.answer(forms::vbYes);
        state.ResumeTiming();

        remove(palette);

        state.PauseTiming();
        removed = before - chapterRows(removal.side.handle());
        state.ResumeTiming();
    }
    if (removed != kChapterSize)
        state.SkipWithError("the chapter was not removed whole");
}

// The whole click: hiding the palette, the question, the removal, the
// palette shown again.
void ChapterRemoval_Window(benchmark::State& state)
{
    timeRemovals(state, [](editing::frmQ& palette) { palette.cmdDelete_Click(); });
}

// The removal once confirmed: the transaction and the windows and list
// reading the file again, without the palette going and coming back. (The
// scripted Yes is left unused; no box is checked here.)
void ChapterRemoval_Step(benchmark::State& state)
{
    timeRemovals(state, [&](editing::frmQ& palette) {
        if (palette.removeChapter(kChapter))
            state.SkipWithError("the removal failed");
    });
}

void ChapterRemoval_Raw(benchmark::State& state)
{
    if (!haveBank(state))
        return;
    RawCopy copy(state.range(0));
    if (!copy.ok)
        return state.SkipWithError("could not copy the bank");
    sqlite3* db = copy.bank->handle();
    likeTheEngine(db);
    plantChapter(db);
    // Puts the chapter back as the program's twin does, beside the connection
    // that removes it.
    benchbanks::RawBank side(copy.folder.databasePath());
    likeTheEngine(side.handle());
    // Every caption of the three banks that carries the title is cleared.
    QByteArray clear = "UPDATE Table3 SET ";
    const struct {
        const char* prefix;
        int count;
    } banksOfButtons[] = {{"title", 20}, {"titlea", 21}, {"tb3", 21}};
    bool first = true;
    for (const auto& bank : banksOfButtons) {
        for (int number = 1; number <= bank.count; ++number) {
            const QByteArray column = bank.prefix + QByteArray::number(number);
            clear += (first ? "" : ", ") + column + " = CASE WHEN " + column + " = ?1 THEN '' ELSE " + column + " END";
            first = false;
        }
    }
    const QByteArray title = kChapter.toUtf8();
    const auto run = [&](const char* sql) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
        sqlite3_bind_text(stmt, 1, title.constData(), int(title.size()), SQLITE_STATIC);
        sqlite3_step(stmt);
        sqlite3_finalize(stmt);
    };
    int64_t removed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        restoreChapter(side.handle());
        const int64_t before = chapterRows(side.handle());
        state.ResumeTiming();

        exec(db, "BEGIN IMMEDIATE");
        run(clear.constData());
        run("DELETE FROM table1 WHERE Chapter = ?1");
        run("DELETE FROM Table4 WHERE Chapter = ?1");
        exec(db, "COMMIT");

        state.PauseTiming();
        removed = before - chapterRows(db);
        state.ResumeTiming();
    }
    if (removed != kChapterSize)
        state.SkipWithError("the chapter was not removed whole");
}

} // namespace

BENCHMARK(ChapterRemoval_Window)->Apply(banks);
BENCHMARK(ChapterRemoval_Step)->Apply(banks);
BENCHMARK(ChapterRemoval_Raw)->Apply(banks);

int main(int argc, char** argv)
{
    return benchwindows::run(argc, argv);
}
