#pragma once

#include "platform/data/Keyset.h"
#include "platform/data/Schema.h"

#include <QVariant>

#include <memory>
#include <span>
#include <vector>

namespace data {

class Connection;

// Field values of a cursor's rows, read a block of keys at a time so that a
// walk through a set costs one read of the file per block, not per row.
//
// A block holds the rows at keyset indexes [start, start + size). It is
// valid while nothing was stored through the connection (any cursor of this
// process); a store drops it, so rows stored elsewhere in the process read as
// stored. Changes by another program show after the cursor's next open.
// Blocks start with 8 rows (one row after a store) and double up to MaxRows
// while a walk goes on. A new set is read ahead as soon as its keys are known,
// inside the same read of the file, for the fields the cursor read in its
// previous set: a small set whole, a large one by its first block.
class RowBlock {
public:
    static constexpr int MaxRows = 64;
    static constexpr int FirstGrowth = 3; // 1 << 3 rows
    static constexpr int WholeSetRows = 128;

    // The cursor this block reads for: its table and selected columns.
    void attach(std::shared_ptr<Connection> connection, const TableInfo* table, std::vector<int> columns);
    void detach();
    // Forget every value (a new keyset) and start again with small blocks.
    void clear();
    // Reads the first rows of a new set ahead (see above); meant to run in
    // the read that listed the keys.
    void readAhead(const Keyset& keys);

    // Makes sure the row at `index` of `keys` and these fields (indexes into
    // the cursor's columns) are read. `forward` tells which way a walk goes,
    // so that the block reaches ahead of it. Returns false when the row is
    // no longer in the table.
    bool load(const Keyset& keys, int index, std::span<const int> fields, bool forward);

    // A loaded value.
    const QVariant& value(int index, int field) const;

private:
    bool isCurrent() const;
    bool covers(const Keyset& keys, int index) const;
    void startBlock(const Keyset& keys, int start, int rows);
    void fetch(std::span<const int> fields);
    const QByteArray& fetchSql(std::span<const int> fields);

    std::shared_ptr<Connection> connection_;
    const TableInfo* table_ = nullptr;
    std::vector<int> columns_;

    quint64 version_ = 0;
    bool valid_ = false;
    int growth_ = 0;
    int start_ = 0;
    std::vector<qint64> keys_;
    std::vector<char> present_;
    std::vector<char> loaded_;                  // per field
    std::vector<std::vector<QVariant>> values_; // [field][row in block]
    // Names of the fields read since the cursor's last set began.
    std::vector<QString> readFields_;
    std::vector<int> readAheadFields_;
    // The reading statement's text for each set of fields asked for so far.
    std::vector<std::pair<std::vector<int>, QByteArray>> sqlByFields_;
};

} // namespace data
