#pragma once

namespace data {

class Recordset;

// Why a cursor leaves its row; the numbers are those of the data control's
// validation event.
enum class ValidateAction : int {
    MoveFirst = 1,
    MovePrevious = 2,
    MoveNext = 3,
    MoveLast = 4,
    AddNew = 5,
    Update = 6,
    Delete = 7,
    Find = 8,
    Bookmark = 9,
    Close = 10,
    Unload = 11,
};

// What a data control needs to hear from its cursor, so that moves made on
// the cursor directly behave as moves made through the control.
class RecordsetObserver {
public:
    virtual ~RecordsetObserver() = default;

    // Before the cursor leaves its current row or the new row being added:
    // pending bound changes are validated and stored (or dropped) here.
    virtual void leavingRow(Recordset& recordset, ValidateAction action) = 0;

    // update() is about to store the edit buffer: changed bound values join it.
    virtual void collectChanges(Recordset& recordset) = 0;

    // update() stored the row.
    virtual void rowStored(Recordset& recordset) = 0;

    // The cursor stands on another row, on a new row, or on none.
    virtual void rowChanged(Recordset& recordset) = 0;
};

} // namespace data
