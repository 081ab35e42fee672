#include "printing/PrintSettings.h"

#include "platform/core/RuntimeError.h"
#include "platform/data/Connection.h"
#include "platform/data/Recordset.h"
#include "platform/forms/App.h"
#include "platform/print/Composer.h"
#include "printing/PrintedRows.h"
#include "questiondb/QuestionDatabase.h"

#include <type_traits>

namespace printing {

namespace {

const PrintSettings defaults;

// Applies `text` through `set`; when the text is no number, or a number the
// composer refuses, the default is applied instead and `name` is noted.
template <typename Number, typename Set>
void applyNumber(const QString& text, const QString& fallback, const QString& name, QStringList& replaced, Set set)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    Number value{};
    if constexpr (std::is_floating_point_v<Number>)
        value = Number(trimmed.toDouble(&ok));
    else
        value = Number(trimmed.toLongLong(&ok));
    if (ok) {
        try {
            set(value);
            return;
        } catch (const platform::RuntimeError&) {}
    }
    replaced << name;
    if constexpr (std::is_floating_point_v<Number>)
        set(Number(fallback.toDouble()));
    else
        set(Number(fallback.toLongLong()));
}

} // namespace

PrintSettings readPrintSettings(data::Recordset& row)
{
    PrintSettings settings;
    settings.font = fieldText(row, QStringLiteral("font"));
    settings.size = fieldText(row, QStringLiteral("size"));
    settings.color = fieldText(row, QStringLiteral("color"));
    settings.headerFont = fieldText(row, QStringLiteral("headerfont"));
    settings.headerSize = fieldText(row, QStringLiteral("headersize"));
    settings.headerColor = fieldText(row, QStringLiteral("headercolor"));
    settings.headerTitle = fieldText(row, QStringLiteral("headertitle"));
    return settings;
}

PrintSettings storedPrintSettings()
{
    data::Recordset row;
    row.open(data::Connection::open(questiondb::databasePath(forms::App::current().path())), QStringLiteral("Table6"));
    if (row.recordCount() == 0)
        return PrintSettings{};
    return readPrintSettings(row);
}

void applyBodyColor(print::Composer& composer, const PrintSettings& settings, QStringList& replaced)
{
    applyNumber<qint64>(settings.color, defaults.color, QStringLiteral("text colour"), replaced,
                        [&](qint64 v) { composer.setBodyTextColor(v); });
}

void applyHeaderSettings(print::Composer& composer, const PrintSettings& settings, QStringList& replaced)
{
    composer.setHeaderFontName(settings.headerFont);
    applyNumber<float>(settings.headerSize, defaults.headerSize, QStringLiteral("title size"), replaced,
                       [&](float v) { composer.setHeaderFontSize(v); });
    applyNumber<qint64>(settings.headerColor, defaults.headerColor, QStringLiteral("title colour"), replaced,
                        [&](qint64 v) { composer.setHeaderTextColor(v); });
}

QStringList applyPrintSettings(print::Composer& composer, const PrintSettings& settings)
{
    QStringList replaced;
    applyBodyColor(composer, settings, replaced);
    composer.setBodyFontName(settings.font);
    applyNumber<float>(settings.size, defaults.size, QStringLiteral("font size"), replaced,
                       [&](float v) { composer.setBodyFontSize(v); });
    applyHeaderSettings(composer, settings, replaced);
    return replaced;
}

} // namespace printing
