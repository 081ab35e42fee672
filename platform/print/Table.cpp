#include "platform/print/Table.h"

#include "platform/core/Errors.h"
#include "platform/core/Units.h"

#include <QRegularExpression>

namespace print {

bool parseTwips(const QString& text, int& twips)
{
    static const QRegularExpression form(QStringLiteral(R"(^\s*([0-9]*\.?[0-9]+)\s*(in|cm|mm|pt)?\s*$)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    const double number = match.captured(1).toDouble();
    const QString unit = match.captured(2).toLower();
    double factor = 1.0;
    if (unit == QLatin1String("in"))
        factor = platform::twipsPerInch;
    else if (unit == QLatin1String("cm"))
        factor = platform::twipsPerInch / 2.54;
    else if (unit == QLatin1String("mm"))
        factor = platform::twipsPerInch / 10.0 / 2.54;
    else if (unit == QLatin1String("pt"))
        factor = platform::twipsPerPoint;
    const double value = number * factor;
    if (value > 1e7)
        return false;
    twips = qRound(value);
    return true;
}

namespace {

int twipsOf(const QVariant& value)
{
    int twips = 0;
    if (value.typeId() == QMetaType::QString) {
        if (!parseTwips(value.toString(), twips))
            throw platform::errors::invalidPropertyValue();
        return twips;
    }
    bool ok = false;
    twips = value.toInt(&ok);
    if (!ok || twips < 0)
        throw platform::errors::invalidPropertyValue();
    return twips;
}

int countOf(const QVariant& value)
{
    bool ok = false;
    const int count = value.toInt(&ok);
    // A table larger than this is no layout anyone asks for.
    if (!ok || count < 0 || count > 1000)
        throw platform::errors::invalidPropertyValue();
    return count;
}

void resize(Table& table)
{
    table.cells.assign(std::size_t(table.rows * table.columns), Table::Cell{});
    table.minRowHeights.assign(std::size_t(table.rows), 0);
}

void checkCell(const Table& table, int row, int column)
{
    if (row < 1 || row > table.rows || column < 1 || column > table.columns)
        throw platform::errors::invalidPropertyValue();
}

} // namespace

void applyTableSetting(Table& table, int code, int row, int column, const QVariant& value)
{
    switch (code) {
    case tablecode::indent:
        table.indent = twipsOf(value);
        return;
    case tablecode::rows:
        table.rows = countOf(value);
        resize(table);
        return;
    case tablecode::columns:
        table.columns = countOf(value);
        resize(table);
        return;
    case tablecode::rowHeight:
        if (row < 1 || row > table.rows)
            throw platform::errors::invalidPropertyValue();
        table.minRowHeights[std::size_t(row - 1)] = twipsOf(value);
        return;
    case tablecode::columnWidth:
        table.columnWidth = twipsOf(value);
        return;
    case tablecode::cellText:
        checkCell(table, row, column);
        table.cell(row, column).text = value.toString();
        return;
    case tablecode::cellPicture:
        checkCell(table, row, column);
        if (value.isValid() && !value.isNull() && !value.canConvert<QImage>())
            throw platform::errors::invalidPropertyValue();
        table.cell(row, column).picture = value.value<QImage>();
        return;
    case tablecode::pictureFit:
        checkCell(table, row, column);
        table.cell(row, column).scalePicture = value.toInt() == tablecode::fitStretchKeepShape;
        return;
    default:
        throw platform::errors::invalidPropertyValue();
    }
}

} // namespace print
