#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

namespace testsupport {

// Reads a database file through a connection of its own, so a test sees what
// really reached the file rather than what a cursor holds.
QVariant queryValue(const QString& databasePath, const QString& sql);
QStringList queryColumn(const QString& databasePath, const QString& sql);
void executeSql(const QString& databasePath, const QString& sql);

} // namespace testsupport
