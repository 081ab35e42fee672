#pragma once

#include <QStringView>

// The character files the program's windows load, each relative to the
// program folder. The clipboard reader keeps a character of its own in the
// "chars" folder, apart from the question window's.
namespace speechsetup {

inline constexpr QStringView questionCharacterFile = u"\\tamsel.acs";
inline constexpr QStringView readerCharacterFile = u"\\chars\\merlin.acs";

} // namespace speechsetup
