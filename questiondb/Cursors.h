#pragma once

#include "platform/data/DataControl.h"
#include "platform/forms/TextBox.h"

#include <QString>

namespace questiondb {

// A data control placed on a window, with its design connect string.
data::DataControl* newCursor(QObject* window, const QString& name, const QString& connect);

// Binds a box of the window to a field of a cursor; returns the box.
forms::TextBox* bindBox(data::DataControl* cursor, forms::TextBox* box, const QString& field);

// Opens a cursor the way every window does: the question database of the
// program folder, the record source, a refresh.
void openCursor(data::DataControl& cursor, const QString& recordSource);

} // namespace questiondb
