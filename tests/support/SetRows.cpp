#include "SetRows.h"

#include "FileQuery.h"

#include "platform/data/DataControl.h"
#include "platform/data/Quoting.h"
#include "questionwindow/frmMain.h"

namespace testsupport {

QList<SetRow> rowsOf(questionwindow::frmMain& window)
{
    QList<SetRow> rows;
    if (!window.Data1->hasRecordset() || window.Data1->recordset().recordCount() == 0)
        return rows;
    auto& records = window.Data1->recordset();
    records.moveFirst();
    while (!records.eof()) {
        rows.append({records.field(QStringLiteral("ID")).value().toInt(), window.txtCall->text(),
                     window.txtChapter->text(), window.txtLevel->text()});
        records.moveNext();
    }
    records.moveFirst();
    return rows;
}

QList<SetRow> rowsOfSource(const QString& databasePath, const QString& recordSource)
{
    data::DataControl cursor;
    cursor.setDatabaseName(databasePath);
    cursor.setRecordSource(recordSource);
    cursor.refresh();
    QList<SetRow> rows;
    auto& records = cursor.recordset();
    if (records.recordCount() == 0)
        return rows;
    records.moveFirst();
    while (!records.eof()) {
        rows.append({records.field(QStringLiteral("ID")).value().toInt(), QString(),
                     records.field(QStringLiteral("Chapter")).value().toString(),
                     records.field(QStringLiteral("FF")).value().toString()});
        records.moveNext();
    }
    return rows;
}

int storedIn(const QString& databasePath, const QStringList& chapters, const QString& level)
{
    QStringList quoted;
    for (const QString& chapter : chapters)
        quoted << data::sqlText(chapter);
    QString sql = QStringLiteral("SELECT count(*) FROM table1 WHERE Chapter IN (") + quoted.join(QLatin1Char(','))
                  + QLatin1Char(')');
    if (!level.isEmpty())
        sql += QStringLiteral(" AND FF=") + data::sqlText(level);
    return queryValue(databasePath, sql).toInt();
}

} // namespace testsupport
