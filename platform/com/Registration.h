#pragma once

#include "platform/com/Result.h"

#include <QString>

namespace com {

// Registers or unregisters every class a control library serves, by loading
// it and calling its own export; the library is unloaded again afterwards.
// The result is the export's, or why the library could not be asked.
Result registerLibrary(const QString& library, QString* error = nullptr);
Result unregisterLibrary(const QString& library, QString* error = nullptr);

} // namespace com
