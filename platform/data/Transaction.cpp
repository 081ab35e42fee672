#include "platform/data/Transaction.h"

#include "platform/core/Errors.h"
#include "platform/data/Connection.h"
#include "platform/data/Recordset.h"

namespace data {

struct Transaction::Open {
    explicit Open(Connection& connection) : transaction(connection) {}
    Connection::WriteTransaction transaction;
};

Transaction::Transaction(Recordset& cursor)
{
    if (!cursor.connection())
        throw platform::errors::objectNotSet();
    connection_ = cursor.connection()->shared_from_this();
    open_ = std::make_unique<Open>(*connection_);
}

Transaction::~Transaction()
{
    open_.reset(); // rolls back unless committed, before the connection may close
}

void Transaction::commit()
{
    open_->transaction.commit();
}

} // namespace data
