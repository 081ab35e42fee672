#include "printing/PrintedRows.h"

#include "platform/data/Field.h"
#include "platform/data/Recordset.h"

namespace printing {

QString fieldText(data::Recordset& row, const QString& field)
{
    const QVariant value = row.field(field).value();
    return value.isNull() ? QString() : value.toString();
}

std::vector<PrintedQuestion> readPrintedQuestions(data::Recordset& set)
{
    std::vector<PrintedQuestion> questions;
    if (set.recordCount() == 0)
        return questions;
    set.moveFirst();
    while (!set.eof()) {
        PrintedQuestion q;
        q.id = set.field(QStringLiteral("ID")).value().toLongLong();
        q.question = fieldText(set, QStringLiteral("Question"));
        q.a = fieldText(set, QStringLiteral("A"));
        q.b = fieldText(set, QStringLiteral("B"));
        q.c = fieldText(set, QStringLiteral("C"));
        q.d = fieldText(set, QStringLiteral("D"));
        q.answer = fieldText(set, QStringLiteral("Answer"));
        q.notes = fieldText(set, QStringLiteral("Memo"));
        q.chapter = fieldText(set, QStringLiteral("Chapter"));
        if (set.hasField(QStringLiteral("Snoop")))
            q.picked = fieldText(set, QStringLiteral("Snoop"));
        questions.push_back(std::move(q));
        set.moveNext();
    }
    set.moveFirst();
    return questions;
}

} // namespace printing
