#pragma once

#include "controls/base/PropertyPage.h"

namespace qvindat {

// The date-input control's General page: the bounds, the indent, the
// Booleans, the language and the text. A language chosen from the list is
// applied as its code.
class CQvindatPropPage : public controls::PropertyPage {
public:
    CQvindatPropPage();

protected:
    bool fieldValue(const controls::PageField& field, QWidget* widget, com::Variant* value, QString* message) override;
};

// The date-input control's Appearance page: alignment, bevel, border, spin
// and the date format.
class AppearancePPG : public controls::PropertyPage {
public:
    AppearancePPG();
};

} // namespace qvindat
