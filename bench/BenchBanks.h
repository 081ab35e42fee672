// What the benchmarks share about the synthetic banks: where they lie, the
// skip when one is missing, the two bank sizes every case runs on, and a raw
// SQLite connection for the twins that measure the same work without the
// program in between.

#pragma once

#include "support/FileQuery.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QByteArray>
#include <QFileInfo>
#include <QString>

#include <cstdint>

namespace benchbanks {

inline QString bankPath(int64_t size)
{
    return QStringLiteral(DRILLBOOK_BENCH_DATA "/bank%1.mdb").arg(size);
}

// A case without its bank is skipped, never timed on an empty file.
inline bool haveBank(benchmark::State& state)
{
    if (QFileInfo::exists(bankPath(state.range(0))))
        return true;
    state.SkipWithError("synthetic bank missing: build the bench_banks target");
    return false;
}

inline void banks(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
}

// What a walk reads of each row besides counting it: one column's text
// (its index), nothing, or every column as a window would.
inline constexpr int kNoColumn = -1;
inline constexpr int kEveryColumn = -2;

// A raw connection for the twins, opened once like the engine's shared one.
// Each statement is prepared on every call, as a caller of the SQLite API would.
class RawBank {
public:
    explicit RawBank(const QString& path) : bank_(path, testsupport::RawDatabase::Access::ReadWrite) {}

    sqlite3* handle() const { return bank_.handle(); }

    // The characters of one column of the statement's current row.
    static int64_t readColumn(sqlite3_stmt* stmt, int column)
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        return QString::fromUtf8(text, sqlite3_column_bytes(stmt, column)).size();
    }

    // Every column of the statement's current row as text.
    static int64_t readRow(sqlite3_stmt* stmt)
    {
        int64_t characters = 0;
        const int columns = sqlite3_column_count(stmt);
        for (int column = 0; column < columns; ++column)
            characters += readColumn(stmt, column);
        return characters;
    }

    // Steps through `sql` (with one optional text parameter), reading `column`
    // of every row (or kNoColumn, kEveryColumn); returns the number of rows.
    int64_t walk(const char* sql, const QByteArray& parameter, int column, int64_t& characters) const
    {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(handle(), sql, -1, &stmt, nullptr);
        if (!parameter.isNull())
            sqlite3_bind_text(stmt, 1, parameter.constData(), int(parameter.size()), SQLITE_STATIC);
        int64_t rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            ++rows;
            if (column == kEveryColumn)
                characters += readRow(stmt);
            else if (column >= 0)
                characters += readColumn(stmt, column);
        }
        sqlite3_finalize(stmt);
        return rows;
    }

    // The first column of the first row as a number; -1 without a row.
    int64_t count(const char* sql) const
    {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(handle(), sql, -1, &stmt, nullptr);
        const int64_t value = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : -1;
        sqlite3_finalize(stmt);
        return value;
    }

private:
    testsupport::RawDatabase bank_;
};

} // namespace benchbanks
