#pragma once

#include <QString>

#include <optional>

namespace com {

// Why a library file must not be handed to the dynamic loader, or nothing
// when it may be. The loader maps a library's parts as its headers describe
// them and trusts the file to hold them: a file cut short is mapped all the
// same, and the first touch of a page past its end kills the program with a
// bus error before the loader can say a word. So the headers are read here
// first: a shared library for this machine whose header tables and loaded
// parts all lie inside the file. The libraries it needs that lie beside it
// (found there through its run path) are checked the same way, since the
// loader maps them with it.
std::optional<QString> damagedLibrary(const QString& path);

} // namespace com
