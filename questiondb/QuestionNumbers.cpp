#include "questiondb/QuestionNumbers.h"

#include "platform/data/Connection.h"
#include "questiondb/QuestionDatabase.h"

namespace questiondb {

std::optional<qint64> largestDatabaseNumber(const QString& programFolder)
{
    const auto bank = data::Connection::open(databasePath(programFolder));
    // A number typed as text that is no number ("12a") is no database number.
    data::Statement largest = bank->prepare("SELECT MAX(CAST(\"Call\" AS INTEGER)) FROM table1 "
                                            "WHERE typeof(\"Call\") IN ('integer', 'real')");
    if (!largest.step())
        return std::nullopt;
    const QVariant value = largest.column(0);
    if (value.isNull())
        return std::nullopt;
    return value.toLongLong();
}

} // namespace questiondb
