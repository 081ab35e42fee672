#include "platform/data/RowBlock.h"

#include "platform/data/Connection.h"
#include "platform/data/Statement.h"

#include <algorithm>

namespace data {

void RowBlock::attach(std::shared_ptr<Connection> connection, const TableInfo* table, std::vector<int> columns)
{
    connection_ = std::move(connection);
    table_ = table;
    columns_ = std::move(columns);
    sqlByFields_.clear();
    clear();
    readAheadFields_.clear();
    for (const QString& name : readFields_) {
        for (int field = 0; field < int(columns_.size()); ++field) {
            if (table_->columns[size_t(columns_[size_t(field)])].name == name)
                readAheadFields_.push_back(field);
        }
    }
    readFields_.clear();
}

void RowBlock::readAhead(const Keyset& keys)
{
    if (readAheadFields_.empty() || keys.empty())
        return;
    const int count = keys.size();
    startBlock(keys, 0, count <= WholeSetRows ? count : 1 << growth_);
    growth_ = std::min(growth_ + 1, 6);
    fetch(readAheadFields_);
}

void RowBlock::detach()
{
    connection_.reset();
    table_ = nullptr;
    columns_.clear();
    clear();
}

void RowBlock::clear()
{
    valid_ = false;
    growth_ = FirstGrowth;
    keys_.clear();
    present_.clear();
    loaded_.assign(columns_.size(), 0);
    values_.assign(columns_.size(), {});
}

bool RowBlock::isCurrent() const
{
    return valid_ && version_ == connection_->dataVersion();
}

bool RowBlock::covers(const Keyset& keys, int index) const
{
    const int offset = index - start_;
    return offset >= 0 && offset < int(keys_.size()) && keys_[size_t(offset)] == keys.at(index);
}

bool RowBlock::load(const Keyset& keys, int index, std::span<const int> fields, bool forward)
{
    if (!isCurrent()) {
        // After a store, walks that store on every row read one row at a time.
        const bool stored = valid_;
        clear();
        if (stored)
            growth_ = 0;
    } else if (covers(keys, index)) {
        std::vector<int> missing;
        for (int field : fields) {
            if (!loaded_[size_t(field)])
                missing.push_back(field);
        }
        if (!missing.empty())
            fetch(missing);
        return present_[size_t(index - start_)] != 0;
    }

    // A new block: it keeps the fields the cursor read before, since a walk
    // reads the same fields on every row.
    std::vector<int> wanted(fields.begin(), fields.end());
    for (int field = 0; field < int(loaded_.size()); ++field) {
        if (loaded_[size_t(field)] && std::find(wanted.begin(), wanted.end(), field) == wanted.end())
            wanted.push_back(field);
    }
    const int rows = std::min(MaxRows, 1 << growth_);
    growth_ = std::min(growth_ + 1, 6);
    startBlock(keys, forward ? index : std::max(0, index - rows + 1), rows);
    fetch(wanted);
    return present_[size_t(index - start_)] != 0;
}

void RowBlock::startBlock(const Keyset& keys, int start, int rows)
{
    start_ = start;
    keys.copy(start_, std::min(keys.size(), start_ + rows), keys_);
    present_.assign(keys_.size(), 0);
    loaded_.assign(columns_.size(), 0);
    values_.assign(columns_.size(), {});
    version_ = connection_->dataVersion();
    valid_ = true;
}

// Reads `fields` of every row of the block inside one read transaction, so
// the file is locked and checked once per block rather than once per row.
void RowBlock::fetch(std::span<const int> fields)
{
    const Connection::ReadTransaction transaction(*connection_);
    Statement read = connection_->prepare(fetchSql(fields));
    for (int field : fields)
        values_[size_t(field)].assign(keys_.size(), QVariant());
    for (size_t row = 0; row < keys_.size(); ++row) {
        read.bindInt64(1, keys_[row]);
        present_[row] = read.step() ? 1 : 0;
        if (present_[row]) {
            for (size_t f = 0; f < fields.size(); ++f)
                values_[size_t(fields[f])][row] = read.column(int(f));
        }
        read.reset();
    }
    for (int field : fields) {
        loaded_[size_t(field)] = 1;
        const QString& name = table_->columns[size_t(columns_[size_t(field)])].name;
        if (std::find(readFields_.begin(), readFields_.end(), name) == readFields_.end())
            readFields_.push_back(name);
    }
}

const QByteArray& RowBlock::fetchSql(std::span<const int> fields)
{
    for (const auto& [known, sql] : sqlByFields_) {
        if (std::equal(known.begin(), known.end(), fields.begin(), fields.end()))
            return sql;
    }
    QByteArray sql = "SELECT ";
    for (int field : fields)
        sql += table_->columns[size_t(columns_[size_t(field)])].quotedName + ", ";
    sql += "rowid FROM " + table_->quotedName + " WHERE rowid = ?1";
    sqlByFields_.emplace_back(std::vector<int>(fields.begin(), fields.end()), sql);
    return sqlByFields_.back().second;
}

const QVariant& RowBlock::value(int index, int field) const
{
    return values_[size_t(field)][size_t(index - start_)];
}

} // namespace data
