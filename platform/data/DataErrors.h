#pragma once

#include "platform/core/RuntimeError.h"

#include <QString>

// The errors the data layer raises, with the numbers the windows test for.
namespace data::errors {

using platform::RuntimeError;

inline RuntimeError objectNotSet()
{
    return RuntimeError(91, QStringLiteral("Object variable or With block variable not set"));
}
inline RuntimeError updateWithoutEdit()
{
    return RuntimeError(3020, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
}
inline RuntimeError noCurrentRecord()
{
    return RuntimeError(3021, QStringLiteral("No current record."));
}
inline RuntimeError fileNotFound(const QString& path)
{
    return RuntimeError(3024, QStringLiteral("Could not find file '%1'.").arg(path));
}
inline RuntimeError cannotOpen(const QString& path, const QString& reason)
{
    return RuntimeError(3051, QStringLiteral("Cannot open the file '%1': %2").arg(path, reason));
}
inline RuntimeError readOnly()
{
    return RuntimeError(3027, QStringLiteral("Cannot update. Database or object is read-only."));
}
inline RuntimeError damaged(const QString& path)
{
    return RuntimeError(3049, QStringLiteral("The database '%1' is damaged and cannot be read.").arg(path));
}
inline RuntimeError tooFewParameters(int expected)
{
    return RuntimeError(3061, QStringLiteral("Too few parameters. Expected %1.").arg(expected));
}
inline RuntimeError syntaxError(const QString& expression)
{
    return RuntimeError(3075, QStringLiteral("Syntax error in query expression '%1'.").arg(expression));
}
inline RuntimeError tableNotFound(const QString& name)
{
    return RuntimeError(3078, QStringLiteral("Cannot find the input table or query '%1'.").arg(name));
}
inline RuntimeError undefinedFunction(const QString& name)
{
    return RuntimeError(3085, QStringLiteral("Undefined function '%1' in expression.").arg(name));
}
inline RuntimeError badSelect(const QString& sql)
{
    return RuntimeError(3141, QStringLiteral("The SELECT statement cannot be read: '%1'.").arg(sql));
}
inline RuntimeError fieldNotUpdatable(const QString& field)
{
    return RuntimeError(3164, QStringLiteral("Field '%1' cannot be updated.").arg(field));
}
inline RuntimeError recordDeleted()
{
    return RuntimeError(3167, QStringLiteral("Record is deleted."));
}
inline RuntimeError locked()
{
    return RuntimeError(3260, QStringLiteral("Could not update; currently locked."));
}
inline RuntimeError itemNotFound()
{
    return RuntimeError(3265, QStringLiteral("Item not found in this collection."));
}
inline RuntimeError unrecognizedFormat(const QString& path)
{
    return RuntimeError(3343, QStringLiteral("Unrecognized database format '%1'.").arg(path));
}
inline RuntimeError conversionError()
{
    return RuntimeError(3421, QStringLiteral("Data type conversion error."));
}
inline RuntimeError diskFull()
{
    return RuntimeError(3026, QStringLiteral("Not enough space on disk."));
}
inline RuntimeError duplicateOrInvalid()
{
    return RuntimeError(3022, QStringLiteral("The change would put a duplicate or invalid value into the table."));
}
inline RuntimeError engineFailure(const QString& detail)
{
    return RuntimeError(3000, QStringLiteral("Database error: %1").arg(detail));
}

} // namespace data::errors
