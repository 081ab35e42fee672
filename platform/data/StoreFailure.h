#pragma once

#include <QString>

namespace data {

// A store of a row's changes that failed as the cursor left the row; the
// data control hands it to its window before deciding what becomes of the
// move.
struct StoreFailure {
    int number = 0;
    QString description;
    // No store failed since the last one that went through, or the user
    // asked to try again: the failure is news to the user.
    bool firstInARow = true;
    // The file refused the store (read-only, full, in use by another
    // program): the move goes on and the changes are kept to be stored with
    // a later store. Otherwise the values themselves were refused and the
    // cursor stays on the row with its changes.
    bool keptForLater = false;
    // Set by the handler: try the store again at once.
    bool retry = false;
};

} // namespace data
