#pragma once

#include "controls/dateinput/DateTextModel.h"

namespace qvindat {

// The control's date model until the date engine joins it: today from the
// local clock, dates written as MM/dd/yyyy with the control's separator,
// and the table of language codes.
class StandInDateModel final : public DateTextModel {
public:
    DateParts today() const override;
    QByteArray formatDate(const DateParts& date, int format, char separator) const override;
    int languageIndex(const QByteArray& code) const override;
    QByteArray languageCode(int index) const override;
    int languageCount() const override;
};

} // namespace qvindat
