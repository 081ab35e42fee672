#pragma once

#include "platform/core/RuntimeError.h"
#include "platform/data/Field.h"
#include "platform/data/Keyset.h"
#include "platform/data/QueryTranslator.h"
#include "platform/data/RecordsetObserver.h"
#include "platform/data/RowBlock.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace data {

class Connection;

// A keyset cursor over one table: opening runs the record source once and
// keeps the keys of its rows in order (a whole table without holes by its
// first key and count, see Keyset); rows are read by key (a block of keys
// at a time, see RowBlock), so a row stored through another cursor of the
// process reads as stored. Rows added or removed elsewhere, and changes made
// by another program, show after the next open. Every store is one
// transaction.
class Recordset {
public:
    // Edit-mode numbers as the windows read them.
    enum EditMode { EditNone = 0, EditInProgress = 1, EditAdd = 2 };

    Recordset() = default;
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Runs the record source (see translateRecordSource) and stands on its
    // first row, or on none when it is empty. Throws RuntimeError, leaving
    // the cursor closed.
    void open(std::shared_ptr<Connection> connection, const QString& recordSource);
    // Drops unstored changes of the edit buffer.
    void close();
    bool isOpen() const { return open_; }

    // Moves store pending changes first (through the observer). Moving from
    // the last row goes past the end (EOF), from the first before the start
    // (BOF); moving on from there, or any move in an empty set, is error 3021.
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();

    bool eof() const;
    bool bof() const;
    // The number of rows in the set; exact at any time, not only after moveLast.
    int recordCount() const;
    // The current row's place from 0 to 100, not rounded:
    // (index + 1) * 100 / recordCount, so the last row is 100; 0 without a current row.
    double percentPosition() const;
    // Index of the current row from 0; -1 without one.
    int absolutePosition() const;
    // A field of the row at `index` (from 0) of the set, read without a move:
    // the current row, and a row being changed or added, stay as they are.
    // 3021 for an index outside the set, 3265 for an unknown field.
    QVariant valueAt(int index, const QString& field) const;
    // True on a row that can be read, or while a new row is being added.
    bool hasCurrentRecord() const;

    // Starts a new row; its fields read Null until written. update() inserts
    // it with the key the database gives, adds it at the end of the set and
    // returns to the row that was current before addNew, so moveNext from
    // the former last row reaches the new row.
    void addNew();
    void edit();
    void update();
    void cancelUpdate();
    int editMode() const { return editMode_; }
    // Removes the current row. There is no current row until the next move;
    // moveNext then goes to the row after the removed one.
    void deleteRow();

    // Removes, in one store, every row that the set's query lists at this
    // moment, rows another program added since the open included; the set
    // is empty afterwards.
    void removeAll();

    // One column of the rows copyRowsInto writes: the set's field of the same
    // name (Null when the set does not select one), or a fixed value.
    struct CopiedColumn {
        QString name;
        std::optional<QVariant> value;
    };
    // Appends to `table` of the same file one row for every row of this set,
    // in the set's order, in one store; the cursors on `table` see them after
    // their next open. Changes waiting in the edit buffer are not copied.
    void copyRowsInto(const QString& table, const std::vector<CopiedColumn>& columns);

    // ---- Rewriting one field of many rows (RecordsetRewrite.cpp) ----------
    // The keys of the set's rows, in the set's order.
    std::vector<qint64> keys() const;
    // The keys of the rows of the set's table whose `field` equals `value`
    // as the column compares (text without regard to case), in stored order;
    // the rows the set holds or not.
    std::vector<qint64> tableKeysWhere(const QString& field, const QVariant& value);
    // Whether the set holds every row of its table as the file stands now.
    bool holdsWholeTable();
    // In one store, `field` of the table's rows with these keys becomes
    // `value` (writeRows) or the row's place in `keys` plus `firstNumber`
    // (numberRows). Rows gone meanwhile are skipped. Inside a
    // data::Transaction the store joins it. The edit buffer is left alone:
    // call these with no edit open.
    void writeRows(std::span<const qint64> keys, const QString& field, const QVariant& value);
    void numberRows(std::span<const qint64> keys, const QString& field, qint64 firstNumber);

    // Makes the first row of the set that meets the criterion (in the
    // record-source dialect, e.g. "ID= 12") current; noMatch() tells whether
    // none did, and then the cursor stays where it was.
    void findFirst(const QString& criterion);
    bool noMatch() const { return noMatch_; }

    // Fields by name, without regard to case; 3265 for an unknown name.
    Field field(const QString& name);
    Field fieldAt(int index); // 0 <= index < fieldCount()
    bool hasField(const QString& name) const;
    int fieldIndex(const QString& name) const; // -1 when absent
    QList<Field> fields();
    int fieldCount() const { return int(query_.columns.size()); }
    const ColumnInfo& column(int field) const;

    // Reads these fields of the current row in one go (a data control about
    // to show its bound controls); field reads are one by one otherwise.
    void cacheFields(const std::vector<int>& fields) const;
    // True when the edit buffer holds a value for this field.
    bool isFieldSet(int field) const;

    void setObserver(RecordsetObserver* observer) { observer_ = observer; }
    // Changes with every open, so cached field indexes can tell they are stale.
    quint64 generation() const { return generation_; }

    // The file the set is read from; null while closed.
    Connection* connection() const { return connection_.get(); }

    // The current row's key; -1 without one (or while a new row is added).
    qint64 currentKey() const;
    // The file and table the rows come from, the same across opens on them;
    // empty for a set without a table.
    QString tableIdentity() const;
    // Stores values (by field name; unknown names are skipped) into the row
    // of the set's table with this key, in one transaction of its own, as
    // update() stores the current row: for changes kept while a store could
    // not be made. Throws like update(); 3167 when the row is gone.
    void storeInto(qint64 key, const std::vector<std::pair<QString, QVariant>>& values);

private:
    friend class Field;
    enum class Place { BeforeFirst, OnRow, OnDeleted, AfterLast };

    QVariant fieldValue(int field) const;
    void setFieldValue(int field, const QVariant& value);

    void requireOpen() const;
    const TableInfo& requireTable() const;
    void leave(ValidateAction action);
    void dropEdit();
    void notifyRowChanged();
    void placeOn(Place place, int index = 0);
    int currentIndex() const;
    void loadCurrentRow(std::span<const int> fields) const;
    qint64 insertRow();
    void updateRow();
    void writeRow(qint64 key, const std::vector<std::pair<const ColumnInfo*, const QVariant*>>& values);
    const ColumnInfo& writableColumn(const QString& field) const;

    std::shared_ptr<Connection> connection_;
    TranslatedQuery query_;
    bool open_ = false;
    quint64 generation_ = 0;
    Keyset keys_;
    Place place_ = Place::AfterLast;
    int index_ = 0;
    Place savedPlace_ = Place::AfterLast; // where addNew began
    int savedIndex_ = 0;
    int editMode_ = EditNone;
    std::vector<std::optional<QVariant>> buffer_;
    bool noMatch_ = false;
    RecordsetObserver* observer_ = nullptr;
    bool notifying_ = false;

    // Which way the last move went, so that reading ahead follows a walk.
    bool forward_ = true;
    mutable RowBlock rows_;
};

} // namespace data
