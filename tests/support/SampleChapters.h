// Chapters of the sample bank that the set tests open by name. The captain's
// chapter has a quote in its title, which every query must survive.

#pragma once

#include <QString>

namespace testsupport::sample {

inline const QString hose = QStringLiteral("Fire Hose");
inline const QString captains = QStringLiteral("Captain's Duties");
inline const QString ladders = QStringLiteral("Ground Ladders");

} // namespace testsupport::sample
