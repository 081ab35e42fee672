#pragma once

#include "platform/core/RuntimeError.h"

#include <QString>

// The errors the speaking-character layer raises, with the numbers the
// windows' failure regimes see.
namespace speech::errors {

using platform::RuntimeError;

inline RuntimeError invalidGesture(const QString& name)
{
    return RuntimeError(5, QStringLiteral("The character has no gesture '%1'.").arg(name));
}
inline RuntimeError characterFileMissing(const QString& path)
{
    return RuntimeError(53, QStringLiteral("Character file not found: '%1'.").arg(path));
}
inline RuntimeError characterFileInvalid(const QString& path, const QString& reason)
{
    return RuntimeError(321, QStringLiteral("Invalid character file '%1': %2").arg(path, reason));
}
inline RuntimeError characterFileUnwritable(const QString& path, const QString& reason)
{
    return RuntimeError(75, QStringLiteral("Cannot write the character file '%1': %2").arg(path, reason));
}
inline RuntimeError characterNotLoaded(const QString& id)
{
    return RuntimeError(35601, QStringLiteral("The character '%1' is not loaded.").arg(id));
}
inline RuntimeError characterAlreadyLoaded(const QString& id)
{
    return RuntimeError(35602, QStringLiteral("The character '%1' is already loaded.").arg(id));
}

} // namespace speech::errors
