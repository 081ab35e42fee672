#include "appearance/QuestionStyle.h"

#include "settings/Settings.h"

namespace appearance {

settings::ScreenFont storedScreenFont(const QStringList& fields)
{
    settings::ScreenFont font = settings::defaultScreenFont();
    const QString name = fields.value(0).trimmed();
    if (!name.isEmpty())
        font.name = name;
    auto readBoolean = [&](int index, bool& value) {
        const QString text = fields.value(index).trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            value = true;
        else if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            value = false;
    };
    readBoolean(1, font.bold);
    readBoolean(2, font.italic);
    bool ok = false;
    const double size = fields.value(3).trimmed().toDouble(&ok);
    if (ok && size > 0)
        font.size = size;
    return font;
}

int storedColor(const QString& field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok && value >= 0 && value <= 0xFFFFFF ? value : 0;
}

} // namespace appearance
