#pragma once

#include "platform/data/DataControl.h"

#include <QString>

namespace questiondb {

// Opens a cursor the way every window does: the question database of the
// program folder, the record source, a refresh.
void openCursor(data::DataControl& cursor, const QString& recordSource);

} // namespace questiondb
