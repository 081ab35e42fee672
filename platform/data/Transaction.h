#pragma once

#include <memory>

namespace data {

class Connection;
class Recordset;

// Several stores on one file, through any of its cursors, made as one: they
// all reach the file at commit(), or none does when the guard ends without
// it (a failure on the way, or the process killed at any moment). Cursors
// that stored inside a transaction that was rolled back hold keys of rows
// that never were: open them again.
class Transaction {
public:
    // On the file `cursor` reads (error 91 when it is closed); throws
    // RuntimeError when the file cannot be locked for writing.
    explicit Transaction(Recordset& cursor);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Throws RuntimeError when the file refuses; nothing is stored then.
    void commit();

private:
    struct Open;
    std::shared_ptr<Connection> connection_; // kept open while the guard lives
    std::unique_ptr<Open> open_;
};

} // namespace data
