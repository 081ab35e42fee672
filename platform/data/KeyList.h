#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <span>

namespace data {

// Row keys as one JSON array, for a statement that walks them in order with
// json_each: one bound text instead of a statement per row.
QByteArray jsonKeyList(std::span<const qint64> keys);

} // namespace data
