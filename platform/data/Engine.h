#pragma once

#include "platform/data/Recordset.h"

#include <QString>

#include <functional>
#include <memory>

namespace data {

class Connection;

// A database opened through the engine object rather than a data control:
// the keyword search reads the question table's field list through it.
class Database {
public:
    explicit Database(std::shared_ptr<Connection> connection);

    QString name() const;
    // A record set on this database, standing on its first row (see
    // Recordset::open); throws RuntimeError.
    std::unique_ptr<Recordset> openRecordset(const QString& source);
    // Makes searches of the table's memo fields for a text fast: builds, once
    // per file, the index that answers them (see SearchIndex.h). A file that
    // is only ever read is never searched this way and stays untouched. False
    // when the index cannot be built; the searches then read every row, with
    // the same results. A long build tells `progress` how far it got, in
    // percent, between its blocks of rows.
    bool indexLongTexts(const QString& table, const std::function<void(int percent)>& progress = {});
    // Lets go of the file; record sets already opened keep it open.
    void close();

private:
    std::shared_ptr<Connection> connection_;
};

class Engine {
public:
    // Throws RuntimeError 3024 for a missing file, 3343 for a file that is
    // not a database.
    Database openDatabase(const QString& path) const;
};

} // namespace data
