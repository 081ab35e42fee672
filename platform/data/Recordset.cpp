#include "platform/data/Recordset.h"

#include "platform/core/Errors.h"
#include "platform/data/Connection.h"
#include "platform/data/KeyList.h"
#include "platform/data/ValueConversion.h"

#include <algorithm>
#include <unordered_set>

namespace data {

namespace errors = platform::errors;

namespace {

// Keeps observer calls from nesting: what a data control does while it
// handles one event (storing bound values on a move) raises no other.
class NotifyGuard {
public:
    explicit NotifyGuard(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~NotifyGuard() { flag_ = previous_; }
    NotifyGuard(const NotifyGuard&) = delete;
    NotifyGuard& operator=(const NotifyGuard&) = delete;

private:
    bool& flag_;
    bool previous_;
};

// The translator checks names and shapes; what SQLite still refuses (an
// operator without its operand, say) is a syntax error of the caller's text.
Statement prepareQuery(Connection& connection, const QByteArray& sql, const QString& callerText)
{
    try {
        return connection.prepare(sql);
    } catch (const platform::RuntimeError& error) {
        if (error.number() == errors::engineFailure.number)
            throw errors::syntaxError(callerText.trimmed());
        throw;
    }
}

} // namespace

Recordset::~Recordset() = default;

void Recordset::open(std::shared_ptr<Connection> connection, const QString& recordSource)
{
    close();
    TranslatedQuery query = translateRecordSource(recordSource, *connection);
    Keyset keys;
    if (query.table) {
        // One read of the file lists the keys and reads the first rows ahead.
        const Connection::ReadTransaction reading(*connection);
        if (query.wholeTable) {
            keys.openTable(*connection, *query.table, query.keysetSql);
        } else {
            Statement keyset = prepareQuery(*connection, query.keysetSql, recordSource);
            for (int i = 0; i < query.parameters.size(); ++i)
                keyset.bindText(i + 1, query.parameters[i]);
            std::vector<qint64> listed;
            while (keyset.step())
                listed.push_back(keyset.columnInt64(0));
            keyset.reset();
            keys.assign(std::move(listed));
        }
        rows_.attach(connection, query.table, query.columns);
        rows_.readAhead(keys);
    }
    connection_ = std::move(connection);
    query_ = std::move(query);
    keys_ = std::move(keys);
    forward_ = true;
    open_ = true;
    ++generation_;
    placeOn(keys_.empty() ? Place::AfterLast : Place::OnRow, 0);
}

void Recordset::close()
{
    open_ = false;
    editMode_ = EditNone;
    buffer_.clear();
    keys_.clear();
    rows_.detach();
    query_ = TranslatedQuery();
    connection_.reset();
    noMatch_ = false;
    placeOn(Place::AfterLast);
}

void Recordset::requireOpen() const
{
    if (!open_)
        throw errors::objectNotSet();
}

const TableInfo& Recordset::requireTable() const
{
    requireOpen();
    if (!query_.table)
        throw errors::noCurrentRecord();
    return *query_.table;
}

const ColumnInfo& Recordset::column(int field) const
{
    return query_.table->columns[query_.columns[field]];
}

void Recordset::placeOn(Place place, int index)
{
    place_ = place;
    index_ = index;
}

// --- moves -------------------------------------------------------------

void Recordset::leave(ValidateAction action)
{
    if (observer_ && !notifying_) {
        NotifyGuard guard(notifying_);
        observer_->leavingRow(*this, action);
    }
    if (editMode_ != EditNone)
        dropEdit();
}

void Recordset::notifyRowChanged()
{
    if (observer_ && !notifying_) {
        NotifyGuard guard(notifying_);
        observer_->rowChanged(*this);
    }
}

void Recordset::moveFirst()
{
    requireOpen();
    leave(ValidateAction::MoveFirst);
    if (keys_.empty())
        throw errors::noCurrentRecord();
    forward_ = true;
    placeOn(Place::OnRow, 0);
    notifyRowChanged();
}

void Recordset::moveLast()
{
    requireOpen();
    leave(ValidateAction::MoveLast);
    if (keys_.empty())
        throw errors::noCurrentRecord();
    forward_ = false;
    placeOn(Place::OnRow, keys_.size() - 1);
    notifyRowChanged();
}

void Recordset::moveNext()
{
    requireOpen();
    leave(ValidateAction::MoveNext);
    const int count = keys_.size();
    int next = 0;
    switch (place_) {
    case Place::AfterLast:
        throw errors::noCurrentRecord();
    case Place::BeforeFirst:
        if (count == 0)
            throw errors::noCurrentRecord();
        next = 0;
        break;
    case Place::OnRow:
        next = index_ + 1;
        break;
    case Place::OnDeleted:
        next = index_; // the row after the removed one took its index
        break;
    }
    forward_ = true;
    placeOn(next < count ? Place::OnRow : Place::AfterLast, next);
    notifyRowChanged();
}

void Recordset::movePrevious()
{
    requireOpen();
    leave(ValidateAction::MovePrevious);
    const int count = keys_.size();
    int previous = 0;
    switch (place_) {
    case Place::BeforeFirst:
        throw errors::noCurrentRecord();
    case Place::AfterLast:
        if (count == 0)
            throw errors::noCurrentRecord();
        previous = count - 1;
        break;
    case Place::OnRow:
    case Place::OnDeleted:
        previous = index_ - 1;
        break;
    }
    forward_ = false;
    placeOn(previous >= 0 ? Place::OnRow : Place::BeforeFirst, previous);
    notifyRowChanged();
}

bool Recordset::eof() const
{
    return place_ == Place::AfterLast && editMode_ != EditAdd;
}

bool Recordset::bof() const
{
    if (editMode_ == EditAdd)
        return false;
    return place_ == Place::BeforeFirst || (place_ == Place::AfterLast && keys_.empty());
}

int Recordset::recordCount() const
{
    return keys_.size();
}

double Recordset::percentPosition() const
{
    if (place_ != Place::OnRow || keys_.empty())
        return 0.0;
    return (double(index_) + 1.0) * 100.0 / double(keys_.size());
}

qint64 Recordset::currentKey() const
{
    return place_ == Place::OnRow && editMode_ != EditAdd ? keys_.at(index_) : -1;
}

QString Recordset::tableIdentity() const
{
    if (!open_ || !query_.table)
        return QString();
    return connection_->path() + QLatin1Char('\n') + query_.table->name;
}

int Recordset::absolutePosition() const
{
    return place_ == Place::OnRow ? index_ : -1;
}

bool Recordset::hasCurrentRecord() const
{
    return open_ && (editMode_ == EditAdd || place_ == Place::OnRow);
}

// --- reading -----------------------------------------------------------

int Recordset::currentIndex() const
{
    if (place_ == Place::OnDeleted)
        throw errors::recordDeleted();
    if (place_ != Place::OnRow)
        throw errors::noCurrentRecord();
    return index_;
}

void Recordset::loadCurrentRow(std::span<const int> fields) const
{
    if (!rows_.load(keys_, currentIndex(), fields, forward_))
        throw errors::recordDeleted();
}

QVariant Recordset::fieldValue(int field) const
{
    requireOpen();
    if (editMode_ == EditAdd)
        return buffer_[size_t(field)].value_or(QVariant());
    if (editMode_ == EditInProgress && buffer_[size_t(field)])
        return *buffer_[size_t(field)];
    loadCurrentRow(std::span<const int>(&field, 1));
    return rows_.value(index_, field);
}

QVariant Recordset::valueAt(int index, const QString& name) const
{
    requireOpen();
    const int field = fieldIndex(name);
    if (field < 0)
        throw errors::itemNotFound();
    if (index < 0 || index >= keys_.size())
        throw errors::noCurrentRecord();
    if (!rows_.load(keys_, index, std::span<const int>(&field, 1), forward_))
        throw errors::recordDeleted();
    return rows_.value(index, field);
}

void Recordset::cacheFields(const std::vector<int>& fields) const
{
    requireOpen();
    if (editMode_ == EditAdd || fields.empty())
        return;
    loadCurrentRow(fields);
}

int Recordset::fieldIndex(const QString& name) const
{
    if (!query_.table)
        return -1;
    for (int i = 0; i < fieldCount(); ++i) {
        if (column(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool Recordset::hasField(const QString& name) const
{
    return fieldIndex(name) >= 0;
}

Field Recordset::field(const QString& name)
{
    requireOpen();
    const int index = fieldIndex(name);
    if (index < 0)
        throw errors::itemNotFound();
    return Field(this, index);
}

Field Recordset::fieldAt(int index)
{
    requireOpen();
    if (index < 0 || index >= fieldCount())
        throw errors::itemNotFound();
    return Field(this, index);
}

QList<Field> Recordset::fields()
{
    requireOpen();
    QList<Field> all;
    for (int i = 0; i < fieldCount(); ++i)
        all.append(Field(this, i));
    return all;
}

bool Recordset::isFieldSet(int field) const
{
    return editMode_ != EditNone && buffer_[size_t(field)].has_value();
}

// --- changing ----------------------------------------------------------

void Recordset::setFieldValue(int field, const QVariant& value)
{
    requireOpen();
    if (editMode_ == EditNone)
        throw errors::updateWithoutEdit();
    const ColumnInfo& info = column(field);
    if (info.isRowKey)
        throw errors::fieldNotUpdatable(info.name);
    buffer_[size_t(field)] = toStoredValue(value, info.type);
}

void Recordset::addNew()
{
    requireTable();
    leave(ValidateAction::AddNew);
    savedPlace_ = place_;
    savedIndex_ = index_;
    buffer_.assign(query_.columns.size(), std::nullopt);
    editMode_ = EditAdd;
    notifyRowChanged();
}

void Recordset::edit()
{
    requireTable();
    if (editMode_ == EditAdd)
        dropEdit();
    loadCurrentRow({}); // a row removed by another cursor cannot be edited
    buffer_.assign(query_.columns.size(), std::nullopt);
    editMode_ = EditInProgress;
}

void Recordset::dropEdit()
{
    if (editMode_ == EditAdd)
        placeOn(savedPlace_, savedIndex_);
    editMode_ = EditNone;
    buffer_.clear();
}

void Recordset::cancelUpdate()
{
    requireOpen();
    if (editMode_ == EditNone)
        throw errors::updateWithoutEdit();
    const bool wasAdding = editMode_ == EditAdd;
    dropEdit();
    if (wasAdding)
        notifyRowChanged();
}

void Recordset::update()
{
    requireOpen();
    if (editMode_ == EditNone)
        throw errors::updateWithoutEdit();
    if (observer_ && !notifying_) {
        NotifyGuard guard(notifying_);
        observer_->collectChanges(*this);
    }
    const bool adding = editMode_ == EditAdd;
    if (adding) {
        keys_.append(insertRow());
        dropEdit(); // back on the row that was current before addNew
    } else {
        updateRow();
        editMode_ = EditNone;
        buffer_.clear();
    }
    if (observer_ && !notifying_) {
        NotifyGuard guard(notifying_);
        observer_->rowStored(*this);
    }
    if (adding)
        notifyRowChanged();
}

qint64 Recordset::insertRow()
{
    const TableInfo& table = *query_.table;
    QByteArray names;
    QByteArray marks;
    std::vector<const QVariant*> values;
    for (int i = 0; i < fieldCount(); ++i) {
        if (!buffer_[size_t(i)])
            continue;
        if (!values.empty()) {
            names += ", ";
            marks += ", ";
        }
        names += column(i).quotedName;
        marks += '?' + QByteArray::number(qsizetype(values.size() + 1));
        values.push_back(&*buffer_[size_t(i)]);
    }
    const QByteArray sql = values.empty()
                               ? "INSERT INTO " + table.quotedName + " DEFAULT VALUES"
                               : "INSERT INTO " + table.quotedName + " (" + names + ") VALUES (" + marks + ")";
    Connection::WriteTransaction transaction(*connection_);
    Statement insert = connection_->prepare(sql);
    for (size_t i = 0; i < values.size(); ++i)
        insert.bind(int(i + 1), *values[i]);
    insert.step();
    const qint64 key = connection_->lastInsertKey();
    transaction.commit();
    return key;
}

void Recordset::updateRow()
{
    const qint64 key = keys_.at(currentIndex());
    std::vector<std::pair<const ColumnInfo*, const QVariant*>> values;
    for (int i = 0; i < fieldCount(); ++i) {
        if (buffer_[size_t(i)])
            values.emplace_back(&column(i), &*buffer_[size_t(i)]);
    }
    writeRow(key, values);
}

void Recordset::storeInto(qint64 key, const std::vector<std::pair<QString, QVariant>>& values)
{
    const TableInfo& table = requireTable();
    std::vector<QVariant> stored;
    std::vector<const ColumnInfo*> columns;
    stored.reserve(values.size());
    for (const auto& [name, value] : values) {
        const int index = table.columnIndex(name);
        if (index < 0 || table.columns[size_t(index)].isRowKey)
            continue;
        columns.push_back(&table.columns[size_t(index)]);
        stored.push_back(toStoredValue(value, columns.back()->type));
    }
    std::vector<std::pair<const ColumnInfo*, const QVariant*>> assignments;
    for (size_t i = 0; i < columns.size(); ++i)
        assignments.emplace_back(columns[i], &stored[i]);
    writeRow(key, assignments);
}

void Recordset::writeRow(qint64 key, const std::vector<std::pair<const ColumnInfo*, const QVariant*>>& values)
{
    if (values.empty())
        return;
    QByteArray assignments;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            assignments += ", ";
        assignments += values[i].first->quotedName + " = ?" + QByteArray::number(qsizetype(i + 1));
    }
    Connection::WriteTransaction transaction(*connection_);
    Statement change = connection_->prepare("UPDATE " + query_.table->quotedName + " SET " + assignments
                                            + " WHERE rowid = ?" + QByteArray::number(qsizetype(values.size() + 1)));
    for (size_t i = 0; i < values.size(); ++i)
        change.bind(int(i + 1), *values[i].second);
    change.bindInt64(int(values.size() + 1), key);
    change.step();
    if (connection_->changedRows() == 0)
        throw errors::recordDeleted();
    transaction.commit();
}

void Recordset::deleteRow()
{
    requireTable();
    if (editMode_ == EditAdd)
        dropEdit();
    const qint64 key = keys_.at(currentIndex());
    leave(ValidateAction::Delete);
    Connection::WriteTransaction transaction(*connection_);
    Statement remove = connection_->prepare("DELETE FROM " + query_.table->quotedName + " WHERE rowid = ?1");
    remove.bindInt64(1, key);
    remove.step();
    if (connection_->changedRows() == 0)
        throw errors::recordDeleted();
    transaction.commit();
    keys_.erase(index_);
    placeOn(Place::OnDeleted, index_);
}

void Recordset::removeAll()
{
    const TableInfo& table = requireTable();
    if (editMode_ == EditAdd)
        dropEdit();
    leave(ValidateAction::Delete);
    Connection::WriteTransaction transaction(*connection_);
    // A whole table is emptied at once rather than row by row; a set chosen
    // by a condition alone is deleted by that condition, which walks its index
    // once instead of listing the keys and seeking every row by its key.
    const bool byCondition = !query_.wholeTable && !query_.rowCondition.isEmpty();
    Statement remove = connection_->prepare(
        query_.wholeTable ? "DELETE FROM " + table.quotedName
        : byCondition     ? "DELETE FROM " + table.quotedName + " WHERE " + query_.rowCondition
                          : "DELETE FROM " + table.quotedName + " WHERE rowid IN (" + query_.keysetSql + ")");
    const int bound = byCondition ? query_.rowConditionParameters : int(query_.parameters.size());
    for (int i = 0; i < bound; ++i)
        remove.bindText(i + 1, query_.parameters[i]);
    remove.step();
    transaction.commit();
    keys_.clear();
    rows_.clear();
    placeOn(Place::AfterLast);
    notifyRowChanged();
}

void Recordset::copyRowsInto(const QString& table, const std::vector<CopiedColumn>& columns)
{
    const TableInfo& source = requireTable();
    const TableInfo* target = connection_->findTable(table);
    if (!target)
        throw errors::tableNotFound(table);

    // The keys go in as one JSON array, walked in its order: the cross join
    // keeps the array outermost, so rows are written in the set's order
    // without sorting them.
    const QByteArray list = jsonKeyList(keys());

    QByteArray names;
    QByteArray values;
    std::vector<QVariant> fixed;
    for (const CopiedColumn& copied : columns) {
        const int into = target->columnIndex(copied.name);
        if (into < 0)
            throw errors::itemNotFound();
        if (!names.isEmpty()) {
            names += ", ";
            values += ", ";
        }
        names += target->columns[size_t(into)].quotedName;
        if (copied.value) {
            fixed.push_back(toStoredValue(*copied.value, target->columns[size_t(into)].type));
            values += '?' + QByteArray::number(qsizetype(fixed.size() + 1));
        } else if (const int field = fieldIndex(copied.name); field >= 0) {
            values += "s." + column(field).quotedName;
        } else {
            values += "NULL";
        }
    }
    Connection::WriteTransaction transaction(*connection_);
    Statement insert = connection_->prepare("INSERT INTO " + target->quotedName + " (" + names + ") SELECT " + values
                                            + " FROM json_each(?1) AS k CROSS JOIN " + source.quotedName
                                            + " AS s ON s.rowid = k.value");
    insert.bindText(1, QString::fromLatin1(list));
    for (size_t i = 0; i < fixed.size(); ++i)
        insert.bind(int(i + 2), fixed[i]);
    insert.step();
    transaction.commit();
}

void Recordset::findFirst(const QString& criterion)
{
    const TableInfo& table = requireTable();
    const TranslatedCondition condition = translateCondition(criterion, table);
    leave(ValidateAction::Find);

    Statement search = prepareQuery(
        *connection_, "SELECT rowid FROM " + table.quotedName + " WHERE (" + condition.sql + ")", criterion);
    for (int i = 0; i < condition.parameters.size(); ++i)
        search.bindText(i + 1, condition.parameters[i]);
    std::unordered_set<qint64> hits;
    while (search.step())
        hits.insert(search.columnInt64(0));

    if (const int found = keys_.findFirst(hits); found >= 0) {
        noMatch_ = false;
        forward_ = true;
        placeOn(Place::OnRow, found);
        notifyRowChanged();
        return;
    }
    noMatch_ = true;
}

} // namespace data
