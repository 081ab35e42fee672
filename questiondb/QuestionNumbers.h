#pragma once

#include <QString>

#include <optional>

namespace questiondb {

// The largest database number (Call) any question of the program folder's
// bank holds, whatever set a window shows; null when no question holds a
// number. Throws RuntimeError when the bank cannot be read.
std::optional<qint64> largestDatabaseNumber(const QString& programFolder);

} // namespace questiondb
