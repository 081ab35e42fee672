#include "questiondb/QuestionDatabase.h"

#include "platform/core/Paths.h"
#include "platform/data/Connection.h"

namespace questiondb {

QString databasePath(const QString& programFolder)
{
    return platform::joinProgramPath(programFolder, QStringLiteral("qbk54.mdb"));
}

std::optional<QString> checkDatabase(const QString& programFolder)
{
    return data::Connection::checkFile(databasePath(programFolder));
}

std::optional<QString> checkWritable(const QString& programFolder)
{
    return data::Connection::checkWritable(databasePath(programFolder));
}

} // namespace questiondb
