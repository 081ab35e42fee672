#include "platform/data/ValueConversion.h"

#include "platform/core/Errors.h"
#include "platform/data/Schema.h"

#include <QLocale>

#include <cmath>

namespace data {

namespace errors = platform::errors;

namespace {

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

// The number in `value`, or null for blank text; throws 3421 otherwise.
QVariant parseNumber(const QVariant& value)
{
    if (isNumber(value))
        return value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float ? QVariant(value.toDouble())
                                                                                         : QVariant(value.toLongLong());
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return QVariant();
    bool ok = false;
    const qlonglong whole = text.toLongLong(&ok);
    if (ok)
        return QVariant(whole);
    const double real = QLocale::c().toDouble(text, &ok);
    if (ok && std::isfinite(real))
        return QVariant(real);
    throw errors::conversionError();
}

} // namespace

QVariant toStoredValue(const QVariant& value, int fieldType)
{
    if (value.isNull())
        return QVariant();
    switch (fieldType) {
    case LongType: {
        const QVariant number = parseNumber(value);
        if (number.typeId() == QMetaType::Double) {
            // Whole-number fields round halves to even, as the original engine did.
            const double rounded = std::nearbyint(number.toDouble());
            if (std::fabs(rounded) > 9.2e18)
                throw errors::conversionError();
            return QVariant(qlonglong(rounded));
        }
        return number;
    }
    case DoubleType: {
        const QVariant number = parseNumber(value);
        return number.isNull() ? number : QVariant(number.toDouble());
    }
    case LongBinaryType:
        if (value.typeId() == QMetaType::QByteArray)
            return value;
        return QVariant(value.toString().toUtf8());
    default:
        if (value.typeId() == QMetaType::QByteArray)
            return QVariant(QString::fromUtf8(value.toByteArray()));
        if (value.typeId() == QMetaType::Double)
            return QVariant(QString::number(value.toDouble(), 'g', 15));
        return QVariant(value.toString());
    }
}

QString displayText(const QVariant& value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

} // namespace data
