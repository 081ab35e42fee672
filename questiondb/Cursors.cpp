#include "questiondb/Cursors.h"

#include "platform/forms/App.h"
#include "questiondb/QuestionDatabase.h"

namespace questiondb {

void openCursor(data::DataControl& cursor, const QString& recordSource)
{
    cursor.setDatabaseName(questiondb::databasePath(forms::App::current().path()));
    cursor.setRecordSource(recordSource);
    cursor.refresh();
}

} // namespace questiondb
