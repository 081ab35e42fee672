#pragma once

#include <QString>

#include <optional>

namespace questiondb {

// The question database lies in the program folder under this name; every
// window opens its cursors on it.
QString databasePath(const QString& programFolder);

// Checks the question database at start without changing it. Returns the
// message to show when the file is missing, is not a database or is damaged.
std::optional<QString> checkDatabase(const QString& programFolder);

// Whether answers can be stored into a usable question database: null when
// they can, otherwise why not. Changes nothing.
std::optional<QString> checkWritable(const QString& programFolder);

} // namespace questiondb
