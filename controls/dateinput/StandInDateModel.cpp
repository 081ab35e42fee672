#include "controls/dateinput/StandInDateModel.h"

#include <QDate>

#include <array>

namespace qvindat {

namespace {

constexpr std::array<const char*, 18> kCodes = {"WWW", "DAN", "DEU", "ENG", "ENU", "ESN", "ESP", "FIN", "FRA",
                                                "FRC", "ISL", "ITA", "NLD", "NOR", "PTG", "SVE", "EPT", "SER"};

} // namespace

DateParts StandInDateModel::today() const
{
    const QDate date = QDate::currentDate();
    return {std::int16_t(date.month()), std::int16_t(date.day()), std::int16_t(date.year())};
}

QByteArray StandInDateModel::formatDate(const DateParts& date, int, char separator) const
{
    return QByteArray::number(date.month).rightJustified(2, '0') + separator
        + QByteArray::number(date.day).rightJustified(2, '0') + separator
        + QByteArray::number(date.year).rightJustified(4, '0');
}

int StandInDateModel::languageIndex(const QByteArray& code) const
{
    for (size_t i = 0; i < kCodes.size(); ++i)
        if (code.compare(kCodes[i], Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

QByteArray StandInDateModel::languageCode(int index) const
{
    return index >= 0 && index < int(kCodes.size()) ? QByteArray(kCodes[size_t(index)]) : QByteArray();
}

int StandInDateModel::languageCount() const
{
    return int(kCodes.size());
}

} // namespace qvindat
