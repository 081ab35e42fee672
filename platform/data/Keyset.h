#pragma once

#include "platform/data/Schema.h"

#include <QtGlobal>

#include <memory>
#include <unordered_set>
#include <vector>

namespace data {

class Connection;

// The keys of a cursor's rows, in the set's order, by index from 0.
//
// A whole table in stored order whose keys run without a hole - every table
// rows were only ever added to - is known from its first key and its count
// alone: opening the whole bank costs what counting it does, not a read of
// every key. Any other set lists its keys when opened.
class Keyset {
public:
    // The keys the set's query listed.
    void assign(std::vector<qint64> keys);
    // Every row of the table in stored order; runs inside the caller's read of
    // the file. `listKeys` is the query that lists them, for a table with holes.
    void openTable(Connection& connection, const TableInfo& table, const QByteArray& listKeys);
    void clear();

    int size() const { return int(listed_.size()) + rangeCount_ + int(added_.size()); }
    bool empty() const { return size() == 0; }
    // 0 <= index < size().
    qint64 at(int index) const;
    // Keys [start, end) into `out`.
    void copy(int start, int end, std::vector<qint64>& out) const;
    // The first index whose key is among `keys`, or -1.
    int findFirst(const std::unordered_set<qint64>& keys) const;

    // A row added through the cursor comes last.
    void append(qint64 key);
    // The row at this index was removed through the cursor.
    void erase(int index);

private:
    void listRange();

    // listed_ holds the keys of a listed set; a table without holes is the
    // range [rangeFirst_, rangeFirst_ + rangeCount_) instead. Rows added
    // through the cursor follow either.
    std::vector<qint64> listed_;
    qint64 rangeFirst_ = 0;
    int rangeCount_ = 0;
    std::vector<qint64> added_;
};

} // namespace data
