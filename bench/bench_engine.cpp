// The question database engine against the same work done directly through
// SQLite, on the synthetic banks of 10 000 and 100 000 questions:
//   ChapterSet   - a chapter button's set: refresh, move last, count, move
//                  first, then step through the set reading each question;
//   KeywordSearch - the keyword search over every long-text field: Engine
//                  scans every row, Indexed answers from the bank's index
//                  (built beforehand on a copy of the bank), Raw scans;
//   KeywordIndex  - building that index on a bank without it: the one-time
//                  cost of the first keyword search (no raw twin);
//   RandomSet    - a random test of 50 questions: refresh and walk.
// Each case has an Engine and a Raw twin; the engine aims at 1.5x of raw.

#include "BenchBanks.h"
#include "support/ProgramFolder.h"

#include "platform/data/DataControl.h"
#include "platform/data/Engine.h"
#include "platform/data/Quoting.h"

#include <benchmark/benchmark.h>

#include <QString>
#include <QStringList>

namespace {

using benchbanks::bankPath;
using benchbanks::banks;
using benchbanks::haveBank;
using benchbanks::kNoColumn;
using benchbanks::RawBank;

const QString kChapter = QStringLiteral("Synthetic Chapter 001");
const QStringList kLongTextFields = {"Question", "A", "B", "C", "D", "Memo"};

// Walks the data control's set from the first row, reading the question.
int64_t walkQuestions(data::DataControl& control, int64_t& characters)
{
    data::Recordset& set = control.recordset();
    int64_t rows = 0;
    while (!set.eof()) {
        characters += set.field(QStringLiteral("Question")).value().toString().size();
        ++rows;
        set.moveNext();
    }
    return rows;
}

void ChapterSet_Engine(benchmark::State& state)
{
    if (!haveBank(state))
        return;
    data::DataControl control;
    control.setDatabaseName(bankPath(state.range(0)));
    int64_t characters = 0;
    for (auto _ : state) {
        control.setRecordSource("SELECT * FROM table1 where Chapter=" + data::sqlText(kChapter));
        control.refresh();
        data::Recordset& set = control.recordset();
        set.moveLast();
        const int count = set.recordCount();
        set.moveFirst();
        const int64_t rows = walkQuestions(control, characters);
        if (rows != count || count != 100)
            state.SkipWithError("unexpected chapter size");
    }
    benchmark::DoNotOptimize(characters);
}

void ChapterSet_Raw(benchmark::State& state)
{
    if (!haveBank(state))
        return;
    const RawBank bank(bankPath(state.range(0)));
    const QByteArray chapter = kChapter.toUtf8();
    int64_t characters = 0;
    for (auto _ : state) {
        const int64_t rows = bank.walk("SELECT * FROM table1 WHERE Chapter = ?1", chapter, 5, characters);
        if (rows != 100)
            state.SkipWithError("unexpected chapter size");
    }
    benchmark::DoNotOptimize(characters);
}

QString keywordSource(const QString& keyword)
{
    QString clause;
    for (const QString& field : kLongTextFields)
        clause += "[" + field + "] LIKE " + data::likeContains(keyword) + " OR ";
    clause.chop(4);
    return "SELECT * FROM Table1 WHERE " + clause;
}

void searchKeyword(benchmark::State& state, const QString& bank)
{
    data::DataControl control;
    control.setDatabaseName(bank);
    control.setRecordSource(keywordSource("smoke"));
    int64_t hits = 0;
    for (auto _ : state) {
        control.refresh();
        hits = control.recordset().recordCount();
    }
    state.counters["hits"] = double(hits);
}

void KeywordSearch_Engine(benchmark::State& state)
{
    if (haveBank(state))
        searchKeyword(state, bankPath(state.range(0)));
}

void KeywordSearch_Indexed(benchmark::State& state)
{
    if (!haveBank(state))
        return;
    testsupport::ProgramFolder folder(false);
    if (!folder.replaceDatabase(bankPath(state.range(0))))
        return state.SkipWithError("could not copy the bank");
    if (!data::Engine().openDatabase(folder.databasePath()).indexLongTexts("Table1"))
        return state.SkipWithError("the index was not built");
    searchKeyword(state, folder.databasePath());
}

void KeywordIndex_Build(benchmark::State& state)
{
    if (!haveBank(state))
        return;
    for (auto _ : state) {
        state.PauseTiming();
        testsupport::ProgramFolder folder(false);
        const bool copied = folder.replaceDatabase(bankPath(state.range(0)));
        state.ResumeTiming();
        if (!copied || !data::Engine().openDatabase(folder.databasePath()).indexLongTexts("Table1"))
            state.SkipWithError("the index was not built");
        state.PauseTiming();
        state.counters["bank MB"] = double(QFileInfo(bankPath(state.range(0))).size()) / 1e6;
        state.counters["with index MB"] = double(QFileInfo(folder.databasePath()).size()) / 1e6;
        state.ResumeTiming();
    }
}

void KeywordSearch_Raw(benchmark::State& state)
{
    if (!haveBank(state))
        return;
    const RawBank bank(bankPath(state.range(0)));
    QByteArray sql = "SELECT ID FROM table1 WHERE ";
    for (const QString& field : kLongTextFields)
        sql += field.toUtf8() + " LIKE '%smoke%' OR ";
    sql.chop(4);
    int64_t hits = 0;
    int64_t unused = 0;
    for (auto _ : state)
        hits = bank.walk(sql.constData(), QByteArray(), kNoColumn, unused);
    state.counters["hits"] = double(hits);
}

void RandomSet_Engine(benchmark::State& state)
{
    if (!haveBank(state))
        return;
    data::DataControl control;
    control.setDatabaseName(bankPath(state.range(0)));
    control.setRecordSource("SELECT Top 50 * FROM table1 ORDER BY Rnd(id);");
    int64_t characters = 0;
    for (auto _ : state) {
        control.refresh();
        if (walkQuestions(control, characters) != 50)
            state.SkipWithError("unexpected set size");
    }
    benchmark::DoNotOptimize(characters);
}

void RandomSet_Raw(benchmark::State& state)
{
    if (!haveBank(state))
        return;
    const RawBank bank(bankPath(state.range(0)));
    int64_t characters = 0;
    for (auto _ : state) {
        if (bank.walk("SELECT * FROM table1 ORDER BY random() LIMIT 50", QByteArray(), 5, characters) != 50)
            state.SkipWithError("unexpected set size");
    }
    benchmark::DoNotOptimize(characters);
}

} // namespace

BENCHMARK(ChapterSet_Engine)->Apply(banks);
BENCHMARK(ChapterSet_Raw)->Apply(banks);
BENCHMARK(KeywordSearch_Engine)->Apply(banks);
BENCHMARK(KeywordSearch_Indexed)->Apply(banks);
BENCHMARK(KeywordIndex_Build)->Apply(banks)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(KeywordSearch_Raw)->Apply(banks);
BENCHMARK(RandomSet_Engine)->Apply(banks);
BENCHMARK(RandomSet_Raw)->Apply(banks);

BENCHMARK_MAIN();
