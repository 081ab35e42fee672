#include "platform/data/Keyset.h"

#include "platform/data/Connection.h"
#include "platform/data/Statement.h"

#include <algorithm>

namespace data {

void Keyset::assign(std::vector<qint64> keys)
{
    clear();
    listed_ = std::move(keys);
}

void Keyset::openTable(Connection& connection, const TableInfo& table, const QByteArray& listKeys)
{
    clear();
    // Each alone, or the engine walks the table: so the count is its quick
    // count over the smallest index, and each end a single seek.
    const auto single = [&](const char* aggregate) {
        Statement read = connection.prepare(QByteArray("SELECT ") + aggregate + " FROM " + table.quotedName);
        read.step();
        return read.columnInt64(0);
    };
    const qint64 rows = single("count(*)");
    const qint64 first = single("min(rowid)");
    const qint64 last = single("max(rowid)");
    if (rows > 0 && last - first + 1 == rows) {
        rangeFirst_ = first;
        rangeCount_ = int(rows);
        return;
    }
    Statement keys = connection.prepare(listKeys);
    while (keys.step())
        listed_.push_back(keys.columnInt64(0));
}

void Keyset::clear()
{
    listed_.clear();
    rangeFirst_ = 0;
    rangeCount_ = 0;
    added_.clear();
}

qint64 Keyset::at(int index) const
{
    const int listed = int(listed_.size());
    if (index < listed)
        return listed_[size_t(index)];
    if (index < listed + rangeCount_)
        return rangeFirst_ + (index - listed);
    return added_[size_t(index - listed - rangeCount_)];
}

void Keyset::copy(int start, int end, std::vector<qint64>& out) const
{
    out.clear();
    out.reserve(size_t(std::max(0, end - start)));
    for (int index = start; index < end; ++index)
        out.push_back(at(index));
}

int Keyset::findFirst(const std::unordered_set<qint64>& keys) const
{
    if (rangeCount_ > 0) {
        int first = -1;
        for (qint64 key : keys) {
            const qint64 offset = key - rangeFirst_;
            if (offset >= 0 && offset < rangeCount_ && (first < 0 || offset < first))
                first = int(offset);
        }
        if (first >= 0)
            return first;
    }
    const int count = size();
    for (int index = rangeCount_; index < count; ++index) {
        if (keys.count(at(index)))
            return index;
    }
    return -1;
}

void Keyset::append(qint64 key)
{
    added_.push_back(key);
}

void Keyset::erase(int index)
{
    listRange();
    const int listed = int(listed_.size());
    if (index < listed)
        listed_.erase(listed_.begin() + index);
    else
        added_.erase(added_.begin() + (index - listed));
}

// A range with a row taken out is a list from then on.
void Keyset::listRange()
{
    if (rangeCount_ == 0)
        return;
    listed_.reserve(size_t(rangeCount_));
    for (int offset = 0; offset < rangeCount_; ++offset)
        listed_.push_back(rangeFirst_ + offset);
    rangeCount_ = 0;
}

} // namespace data
