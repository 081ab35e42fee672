#include "platform/data/Engine.h"

#include "platform/core/Errors.h"
#include "platform/data/Connection.h"
#include "platform/data/SearchIndex.h"

namespace data {

namespace errors = platform::errors;

Database::Database(std::shared_ptr<Connection> connection) : connection_(std::move(connection)) {}

QString Database::name() const
{
    return connection_ ? connection_->path() : QString();
}

std::unique_ptr<Recordset> Database::openRecordset(const QString& source)
{
    if (!connection_)
        throw errors::objectNotSet();
    auto recordset = std::make_unique<Recordset>();
    recordset->open(connection_, source);
    return recordset;
}

bool Database::indexLongTexts(const QString& table, const std::function<void(int percent)>& progress)
{
    if (!connection_)
        throw errors::objectNotSet();
    const TableInfo* info = connection_->findTable(table);
    if (!info)
        throw errors::tableNotFound(table);
    return buildSearchIndex(*connection_, *info, progress);
}

void Database::close()
{
    connection_.reset();
}

Database Engine::openDatabase(const QString& path) const
{
    return Database(Connection::open(path));
}

} // namespace data
