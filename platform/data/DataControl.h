#pragma once

#include "platform/core/RuntimeError.h"
#include "platform/data/BoundControl.h"
#include "platform/data/Recordset.h"
#include "platform/data/RecordsetObserver.h"
#include "platform/data/StoreFailure.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

namespace data {

// The data control of a window: it points a cursor at the question database,
// shows the current row in its bound controls and stores what was changed in
// them before the cursor leaves the row. Moves made on recordset() directly
// behave exactly as moves made through the control.
//
// When the file refuses that store (read-only, full, in use by another
// program) the move still goes on: the row's changes are kept by the control
// and stored with the next store it makes, and they are back in the bound
// controls whenever the cursor returns to the row. Only closing the control
// gives them up, with an error the window reports.
class DataControl : public QObject, private RecordsetObserver {
    Q_OBJECT
    Q_PROPERTY(QString connect READ connectString WRITE setConnect)
    Q_PROPERTY(QString databaseName READ databaseName WRITE setDatabaseName)
    Q_PROPERTY(QString recordSource READ recordSource WRITE setRecordSource)

public:
    explicit DataControl(QObject* parent = nullptr);
    ~DataControl() override;

    // Kept as the window's design gives it; every value opens the file alike.
    QString connectString() const { return connect_; }
    void setConnect(const QString& connect) { connect_ = connect; }

    QString databaseName() const { return databaseName_; }
    void setDatabaseName(const QString& path) { databaseName_ = path; }

    QString recordSource() const { return recordSource_; }
    void setRecordSource(const QString& source) { recordSource_ = source; }

    // Stores pending bound changes (validation action 10), closes the old
    // set, opens the new one on its first row or on none, shows the bound
    // controls and signals reposition(). When the file is missing or the
    // source fails, throws RuntimeError and leaves no record set, with every
    // bound control empty.
    void refresh();

    // The open record set; error 91 when there is none.
    Recordset& recordset();
    bool hasRecordset() const { return recordset_.isOpen(); }
    // An open record set with at least one row.
    bool hasRecords() const { return hasRecordset() && recordset_.recordCount() > 0; }

    // Stores the texts of all bound controls into the current row (or the new
    // row being added) at once, without the validation event.
    void updateRecord();

    // Stores the changes waiting in the bound controls as leaving the row
    // for `action` would (validation first), and stays on the row: for work
    // that writes many rows at once and moves when it is done.
    void storePending(ValidateAction action) { settlePending(action); }

    // The window unloads: pending bound changes, and changes kept from
    // earlier failed stores, are stored (validation action 11) and the record
    // set is closed. When they cannot be stored, throws and stays open.
    void close();

    // Rows whose changes a failed store left to be stored later.
    int unstoredRows() const { return int(unstored_.size()); }

    // The control must stay alive while bound, or be unbound first.
    void bind(BoundControl* control);
    void unbind(BoundControl* control);

signals:
    // Raised before changed bound values are stored implicitly; `action` is a
    // ValidateAction number. Setting `save` to false drops the changes.
    void validate(int action, bool& save);
    // Raised after the cursor stands on another row, a new row, or none.
    void reposition();
    // Raised when storing the changes of the row being left failed, before
    // the control decides what becomes of the move (see StoreFailure). Not
    // raised by close(), which throws instead.
    void storeFailed(data::StoreFailure& failure);

private:
    struct Binding {
        BoundControl* control = nullptr;
        QString fieldName;
        quint64 generation = 0;
        int field = -1;
    };

    void leavingRow(Recordset& recordset, ValidateAction action) override;
    void collectChanges(Recordset& recordset) override;
    void rowStored(Recordset& recordset) override;
    void rowChanged(Recordset& recordset) override;

    int fieldOf(Binding& binding);
    bool isWritable(Binding& binding);
    bool hasPendingChanges();
    bool differsFromStored(Binding& binding);
    // The changes of a row that a failed store left behind, by field name.
    struct UnstoredRow {
        QString table; // Recordset::tableIdentity()
        qint64 key = -1;
        std::vector<std::pair<QString, QVariant>> values;
    };

    void settlePending(ValidateAction action);
    void storeUnstored();
    void keepCurrentChanges();
    void restoreUnstored();
    void storeBound(bool allControls);
    void clearChangedFlags();
    bool rowIsReadable();
    void showControl(Binding& binding, bool readable);
    void showBound();

    QString connect_;
    QString databaseName_;
    QString recordSource_;
    Recordset recordset_;
    std::vector<Binding> bindings_;
    std::vector<UnstoredRow> unstored_;
    bool storesFailing_ = false;
    std::optional<platform::RuntimeError> lastFailure_;
};

} // namespace data
