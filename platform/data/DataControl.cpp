#include "platform/data/DataControl.h"

#include "platform/core/Errors.h"
#include "platform/data/Connection.h"
#include "platform/data/ValueConversion.h"

#include <algorithm>

namespace data {

namespace errors = platform::errors;

namespace {

// Detaches the control from its cursor while it stores the changes of the
// row being left, so that the store raises no row events of its own (the
// move, close or refresh that follows raises them).
class DetachedObserver {
public:
    DetachedObserver(Recordset& recordset, RecordsetObserver* observer) : recordset_(recordset), observer_(observer)
    {
        recordset_.setObserver(nullptr);
    }
    ~DetachedObserver() { recordset_.setObserver(observer_); }
    DetachedObserver(const DetachedObserver&) = delete;
    DetachedObserver& operator=(const DetachedObserver&) = delete;

private:
    Recordset& recordset_;
    RecordsetObserver* observer_;
};

// While stores keep failing, a move tries the file once without waiting for
// another program to let go of it, so that walking on never freezes the
// window; the first try of a run, and a try the user asked for, wait.
class Patience {
public:
    Patience(Recordset& recordset, bool wait) : connection_(recordset.connection())
    {
        if (connection_ && !wait)
            connection_->waitWhenBusy(false);
        else
            connection_ = nullptr;
    }
    ~Patience()
    {
        if (connection_)
            connection_->waitWhenBusy(true);
    }
    Patience(const Patience&) = delete;
    Patience& operator=(const Patience&) = delete;

private:
    Connection* connection_;
};

// The file could not take the store now, whatever the values: it may take
// them later, once it is writable, has room or is free again.
bool refusedByFile(int number)
{
    return number == errors::readOnly.number || number == errors::diskFull.number || number == errors::locked.number
           || number == errors::cannotOpen.number;
}

} // namespace

DataControl::DataControl(QObject* parent) : QObject(parent)
{
    recordset_.setObserver(this);
}

DataControl::~DataControl()
{
    // Nothing is stored here: the window stores pending changes through
    // close() when it unloads, while its controls still exist.
    recordset_.setObserver(nullptr);
}

Recordset& DataControl::recordset()
{
    if (!recordset_.isOpen())
        throw errors::objectNotSet();
    return recordset_;
}

void DataControl::refresh()
{
    if (recordset_.isOpen())
        settlePending(ValidateAction::Close);
    try {
        // Taken before the old set closes, so that a refresh on the same file
        // keeps the file open rather than opening it again.
        const std::shared_ptr<Connection> connection = Connection::open(databaseName_);
        recordset_.open(connection, recordSource_);
    } catch (const platform::RuntimeError&) {
        recordset_.close();
        showBound();
        throw;
    }
    showBound();
    restoreUnstored();
    emit reposition();
}

void DataControl::updateRecord()
{
    if (!recordset().hasCurrentRecord())
        throw errors::noCurrentRecord();
    storeBound(true);
}

void DataControl::close()
{
    if (recordset_.isOpen()) {
        settlePending(ValidateAction::Unload);
        recordset_.close();
    }
    // Changes kept for a file or table the control no longer reads.
    if (!unstored_.empty() && lastFailure_)
        throw *lastFailure_;
}

void DataControl::bind(BoundControl* control)
{
    if (!control)
        return;
    Binding binding;
    binding.control = control;
    bindings_.push_back(binding);
    showControl(bindings_.back(), rowIsReadable());
}

void DataControl::unbind(BoundControl* control)
{
    bindings_.erase(std::remove_if(bindings_.begin(), bindings_.end(),
                                   [control](const Binding& binding) { return binding.control == control; }),
                    bindings_.end());
}

// --- bindings -----------------------------------------------------------

int DataControl::fieldOf(Binding& binding)
{
    if (!recordset_.isOpen())
        return -1;
    const QString name = binding.control->dataField();
    if (binding.generation != recordset_.generation() || binding.fieldName != name) {
        binding.fieldName = name;
        binding.generation = recordset_.generation();
        binding.field = recordset_.fieldIndex(name);
    }
    return binding.field;
}

// A control bound to a field the source lacks is never written, nor is the
// key the database assigns.
bool DataControl::isWritable(Binding& binding)
{
    const int field = fieldOf(binding);
    return field >= 0 && !recordset_.column(field).isRowKey;
}

bool DataControl::hasPendingChanges()
{
    if (!recordset_.isOpen() || !recordset_.hasCurrentRecord())
        return false;
    return std::any_of(bindings_.begin(), bindings_.end(),
                       [this](Binding& binding) { return binding.control->dataChanged() && isWritable(binding); });
}

bool DataControl::differsFromStored(Binding& binding)
{
    const QVariant stored = recordset_.fieldAt(fieldOf(binding)).value();
    const QVariant shown = binding.control->boundValue();
    if (stored.typeId() == QMetaType::QByteArray || shown.typeId() == QMetaType::QByteArray)
        return stored.toByteArray() != shown.toByteArray() || stored.isNull() != shown.isNull();
    return displayText(stored) != displayText(shown);
}

// Writes bound values into the edit buffer and stores the row: the changed
// controls, or (for updateRecord) every control whose text differs from the
// stored value. A value the code wrote through the field itself wins.
void DataControl::storeBound(bool allControls)
{
    const bool startsEdit = recordset_.editMode() == Recordset::EditNone;
    if (startsEdit)
        recordset_.edit();
    try {
        for (Binding& binding : bindings_) {
            if (!isWritable(binding) || recordset_.isFieldSet(binding.field))
                continue;
            if (allControls ? differsFromStored(binding) : binding.control->dataChanged())
                recordset_.fieldAt(binding.field).setValue(binding.control->boundValue());
        }
        recordset_.update();
    } catch (const platform::RuntimeError&) {
        // The row stays as stored and the boxes keep their changes, so the
        // caller can correct them and leave the row again.
        if (startsEdit && recordset_.editMode() == Recordset::EditInProgress)
            recordset_.cancelUpdate();
        throw;
    }
    clearChangedFlags();
}

void DataControl::clearChangedFlags()
{
    for (Binding& binding : bindings_)
        binding.control->setDataChanged(false);
}

// Before the cursor leaves the row: validation, then store or drop. Changes
// kept from earlier failed stores go first, in the same attempt.
void DataControl::settlePending(ValidateAction action)
{
    bool storeCurrent = hasPendingChanges();
    if (storeCurrent) {
        bool save = true;
        emit validate(int(action), save);
        if (!save || action == ValidateAction::Delete) {
            clearChangedFlags();
            storeCurrent = false;
        }
    }
    const QString table = recordset_.tableIdentity();
    const bool keptHere =
        std::any_of(unstored_.begin(), unstored_.end(), [&](const UnstoredRow& row) { return row.table == table; });
    if (!storeCurrent && !keptHere)
        return;

    const DetachedObserver detached(recordset_, this);
    bool retried = false;
    for (;;) {
        try {
            const Patience patience(recordset_, !storesFailing_ || retried || action == ValidateAction::Unload);
            storeUnstored();
            if (storeCurrent)
                storeBound(false);
            storesFailing_ = false;
            return;
        } catch (const platform::RuntimeError& error) {
            // A row another cursor removed has nowhere to take the changes.
            if (error.number() == errors::recordDeleted.number) {
                clearChangedFlags();
                return;
            }
            lastFailure_ = error;
            if (action == ValidateAction::Unload)
                throw;
            StoreFailure failure;
            failure.number = error.number();
            failure.description = error.description();
            failure.firstInARow = !storesFailing_ || retried;
            // A new row has no key to keep its values by: it stays on screen.
            failure.keptForLater = refusedByFile(error.number()) && recordset_.editMode() != Recordset::EditAdd;
            storesFailing_ = true;
            emit storeFailed(failure);
            if (failure.retry) {
                retried = true;
                continue;
            }
            if (!failure.keptForLater)
                throw;
            if (storeCurrent)
                keepCurrentChanges();
            return;
        }
    }
}

// Stores the kept changes of this set's table, oldest first; stops at the
// first failure, keeping what is left.
void DataControl::storeUnstored()
{
    const QString table = recordset_.tableIdentity();
    for (auto it = unstored_.begin(); it != unstored_.end();) {
        if (it->table != table) {
            ++it;
            continue;
        }
        try {
            recordset_.storeInto(it->key, it->values);
        } catch (const platform::RuntimeError& error) {
            if (error.number() != errors::recordDeleted.number)
                throw;
        }
        it = unstored_.erase(it);
    }
}

// The current row's changes, from the edit buffer and the changed bound
// controls, join what is kept for the row; the controls count as unchanged.
void DataControl::keepCurrentChanges()
{
    const qint64 key = recordset_.currentKey();
    if (key < 0)
        return;
    std::vector<std::pair<QString, QVariant>> values;
    for (int field = 0; field < recordset_.fieldCount(); ++field) {
        if (recordset_.isFieldSet(field))
            values.emplace_back(recordset_.column(field).name, recordset_.fieldAt(field).value());
    }
    for (Binding& binding : bindings_) {
        if (binding.control->dataChanged() && isWritable(binding) && !recordset_.isFieldSet(binding.field))
            values.emplace_back(recordset_.column(binding.field).name, binding.control->boundValue());
    }
    clearChangedFlags();

    const QString table = recordset_.tableIdentity();
    auto kept = std::find_if(unstored_.begin(), unstored_.end(),
                             [&](const UnstoredRow& row) { return row.table == table && row.key == key; });
    if (kept == unstored_.end()) {
        unstored_.push_back(UnstoredRow{table, key, {}});
        kept = unstored_.end() - 1;
    }
    for (auto& [name, value] : values) {
        auto same = std::find_if(kept->values.begin(), kept->values.end(), [&](const auto& entry) {
            return entry.first.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (same != kept->values.end())
            same->second = std::move(value);
        else
            kept->values.emplace_back(std::move(name), std::move(value));
    }
}

// Back on a row with kept changes: the bound controls show them again, as
// changed, so that leaving the row stores them (or keeps them once more).
void DataControl::restoreUnstored()
{
    const qint64 key = recordset_.currentKey();
    if (key < 0 || unstored_.empty())
        return;
    const QString table = recordset_.tableIdentity();
    auto kept = std::find_if(unstored_.begin(), unstored_.end(),
                             [&](const UnstoredRow& row) { return row.table == table && row.key == key; });
    if (kept == unstored_.end())
        return;
    std::erase_if(kept->values, [&](const std::pair<QString, QVariant>& entry) {
        bool shown = false;
        for (Binding& binding : bindings_) {
            if (!isWritable(binding)
                || recordset_.column(binding.field).name.compare(entry.first, Qt::CaseInsensitive) != 0)
                continue;
            binding.control->showFieldValue(entry.second);
            binding.control->setDataChanged(true);
            shown = true;
        }
        return shown;
    });
    if (kept->values.empty())
        unstored_.erase(kept);
}

// --- showing ------------------------------------------------------------

bool DataControl::rowIsReadable()
{
    if (!recordset_.isOpen() || !recordset_.hasCurrentRecord() || recordset_.editMode() == Recordset::EditAdd)
        return false;
    std::vector<int> shown;
    for (Binding& binding : bindings_) {
        if (fieldOf(binding) >= 0)
            shown.push_back(binding.field);
    }
    try {
        recordset_.cacheFields(shown);
    } catch (const platform::RuntimeError& error) {
        if (error.number() != errors::recordDeleted.number)
            throw;
        return false;
    }
    return true;
}

void DataControl::showControl(Binding& binding, bool readable)
{
    const int field = fieldOf(binding);
    binding.control->showFieldValue(readable && field >= 0 ? recordset_.fieldAt(field).value() : QVariant());
    binding.control->setDataChanged(false);
}

void DataControl::showBound()
{
    const bool readable = rowIsReadable();
    for (Binding& binding : bindings_)
        showControl(binding, readable);
}

// --- cursor events ------------------------------------------------------

void DataControl::leavingRow(Recordset&, ValidateAction action)
{
    settlePending(action);
}

void DataControl::collectChanges(Recordset&)
{
    for (Binding& binding : bindings_) {
        if (binding.control->dataChanged() && isWritable(binding) && !recordset_.isFieldSet(binding.field))
            recordset_.fieldAt(binding.field).setValue(binding.control->boundValue());
    }
}

void DataControl::rowStored(Recordset&)
{
    clearChangedFlags();
}

void DataControl::rowChanged(Recordset&)
{
    showBound();
    restoreUnstored();
    emit reposition();
}

} // namespace data
