#pragma once

#include <QString>
#include <QStringList>

namespace hosting {

// The control libraries the program ships in its folder, by file name.
QStringList shippedControlLibraries();

// Registers each named library of the folder into the registration store
// (each library's own DllRegisterServer), so that windows find their
// controls by class id. A library that is missing or cannot be registered
// is passed over: its controls stay away from the windows and the program
// starts all the same. Returns one line per library passed over, each also
// written to the log.
QStringList registerControlLibraries(const QString& folder, const QStringList& names = shippedControlLibraries());

} // namespace hosting
