#include "questiondb/Cursors.h"

#include "platform/forms/App.h"
#include "questiondb/QuestionDatabase.h"

namespace questiondb {

data::DataControl* newCursor(QObject* window, const QString& name, const QString& connect)
{
    auto* cursor = new data::DataControl(window);
    cursor->setObjectName(name);
    cursor->setConnect(connect);
    return cursor;
}

forms::TextBox* bindBox(data::DataControl* cursor, forms::TextBox* box, const QString& field)
{
    box->setDataField(field);
    cursor->bind(box);
    return box;
}

void openCursor(data::DataControl& cursor, const QString& recordSource)
{
    cursor.setDatabaseName(questiondb::databasePath(forms::App::current().path()));
    cursor.setRecordSource(recordSource);
    cursor.refresh();
}

} // namespace questiondb
