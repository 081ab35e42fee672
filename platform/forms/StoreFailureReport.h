#pragma once

namespace data {
struct StoreFailure;
}

namespace forms {

// What a window tells the user when a data control could not store the row
// it leaves: once per run of failures, with the error's number and text. A
// file in use by another program offers to try again at once.
void reportStoreFailure(data::StoreFailure& failure);

} // namespace forms
