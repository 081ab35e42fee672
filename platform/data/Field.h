#pragma once

#include <QString>
#include <QVariant>

namespace data {

class Recordset;

// One field of a cursor's current row. A handle: it stays usable while its
// cursor stays open on the same record source.
class Field {
public:
    QString name() const;
    int type() const; // FieldType: 4 long, 7 double, 10 text, 11 long binary, 12 memo

    // The current row's value (Null as a null QVariant); during Edit or
    // AddNew the value written so far. Throws 3021 without a current row,
    // 3167 when the row was deleted.
    QVariant value() const;

    // Only between Edit or AddNew and Update (else 3020); converted to the
    // field's type at once (3421); the database's own key cannot be written (3164).
    void setValue(const QVariant& value);

    int index() const { return index_; }

private:
    friend class Recordset;
    Field(Recordset* recordset, int index) : recordset_(recordset), index_(index) {}

    Recordset* recordset_;
    int index_;
};

} // namespace data
