#include "DataControl.h"

#include "Connection.h"
#include "ValueConversion.h"
#include "platform/core/Errors.h"

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
    if (!recordset_.isOpen())
        return;
    settlePending(ValidateAction::Unload);
    recordset_.close();
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

// Before the cursor leaves the row: validation, then store or drop.
void DataControl::settlePending(ValidateAction action)
{
    if (!hasPendingChanges())
        return;
    bool save = true;
    emit validate(int(action), save);
    if (!save || action == ValidateAction::Delete) {
        clearChangedFlags();
        return;
    }
    const DetachedObserver detached(recordset_, this);
    try {
        storeBound(false);
    } catch (const platform::RuntimeError& error) {
        // A row another cursor removed has nowhere to take the changes.
        if (error.number() != errors::recordDeleted.number)
            throw;
        clearChangedFlags();
    }
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
    emit reposition();
}

} // namespace data
