// The question database engine against the same work done directly through
// SQLite, on the synthetic banks of 10 000 and 100 000 questions:
//   ChapterSet   - a chapter button's set: refresh, move last, count, move
//                  first, then step through the set reading each question;
//   KeywordSearch - the keyword search over every long-text field;
//   RandomSet    - a random test of 50 questions: refresh and walk.
// Each case has an Engine and a Raw twin; the engine aims at 1.5x of raw.
// Raw prepares its statement on every run, as a caller of the SQLite API would.

#include "platform/data/DataControl.h"
#include "platform/data/Quoting.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QFileInfo>
#include <QString>

namespace {

const QString kChapter = QStringLiteral("Synthetic Chapter 001");
const QStringList kLongTextFields = {"Question", "A", "B", "C", "D", "Memo"};

QString bankPath(int64_t size)
{
    return QStringLiteral(DRILLBOOK_BENCH_DATA "/bank%1.mdb").arg(size);
}

bool haveBank(benchmark::State& state)
{
    if (QFileInfo::exists(bankPath(state.range(0))))
        return true;
    state.SkipWithError("synthetic bank missing: build the bench_banks target");
    return false;
}

// A raw connection for the twin, opened once like the engine's shared one.
class RawBank {
public:
    explicit RawBank(const QString& path)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~RawBank() { sqlite3_close(db_); }
    RawBank(const RawBank&) = delete;
    RawBank& operator=(const RawBank&) = delete;

    // Steps through `sql` (with one optional text parameter), reading
    // `column` of every row as text; returns the number of rows.
    int64_t walk(const char* sql, const QByteArray& parameter, int column, int64_t& characters) const
    {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr);
        if (!parameter.isNull())
            sqlite3_bind_text(stmt, 1, parameter.constData(), int(parameter.size()), SQLITE_STATIC);
        int64_t rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            ++rows;
            if (column >= 0) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
                characters += QString::fromUtf8(text, sqlite3_column_bytes(stmt, column)).size();
            }
        }
        sqlite3_finalize(stmt);
        return rows;
    }

private:
    sqlite3* db_ = nullptr;
};

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

void KeywordSearch_Engine(benchmark::State& state)
{
    if (!haveBank(state))
        return;
    QString clause;
    for (const QString& field : kLongTextFields)
        clause += "[" + field + "] LIKE " + data::likeContains("smoke") + " OR ";
    clause.chop(4);
    data::DataControl control;
    control.setDatabaseName(bankPath(state.range(0)));
    control.setRecordSource("SELECT * FROM Table1 WHERE " + clause);
    int64_t hits = 0;
    for (auto _ : state) {
        control.refresh();
        hits = control.recordset().recordCount();
    }
    state.counters["hits"] = double(hits);
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
        hits = bank.walk(sql.constData(), QByteArray(), -1, unused);
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

void banks(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
}

} // namespace

BENCHMARK(ChapterSet_Engine)->Apply(banks);
BENCHMARK(ChapterSet_Raw)->Apply(banks);
BENCHMARK(KeywordSearch_Engine)->Apply(banks);
BENCHMARK(KeywordSearch_Raw)->Apply(banks);
BENCHMARK(RandomSet_Engine)->Apply(banks);
BENCHMARK(RandomSet_Raw)->Apply(banks);

BENCHMARK_MAIN();
