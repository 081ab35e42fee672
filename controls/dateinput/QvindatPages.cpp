// The date-input control's two property pages, and the control's list of
// its pages. The pages hold no rules of their own: every check and effect of
// a value is the property's.
#include "controls/dateinput/QvindatPages.h"

#include "controls/base/StockPages.h"
#include "controls/dateinput/CQvindatCtrl.h"
#include "controls/dateinput/QvindatClasses.h"
#include "platform/com/server/Server.h"

#include <QComboBox>

namespace qvindat {

using controls::FieldKind;
using controls::PageField;

namespace {

const char* const languageCodes[] = {
    "0  - WWW", "1  - DAN", "2  - DEU", "3  - ENG", "4  - ENU", "5  - ESN",   "6  - ESP", "7  - FIN", "8  - FRA",
    "9  - FRC", "10 - ISL", "11 - ITA", "12 - NLD", "13 - NOR", "14 - PTG  ", "15 - SVE", "16 - EPT", "17 - SER",
};
const char* const languageNames[] = {
    "0  - Control Panel", "1  - Danish",      "2  - German",         "3  - UK English", "4  - US English",
    "5  - New Spanish",   "6  - Old Spanish", "7  - Finnish",        "8  - French",     "9  - French Canadian",
    "10 - Icelandic",     "11 - Italian",     "12 - Dutch",          "13 - Norwegian",  "14 - Portuguese",
    "15 - Swedish",       "16 - Esperanto",   "17 - Serbo-Croation",
};

// Two columns of labelled fields, a row every 18 units.
constexpr QRect leftLabel(int y)
{
    return {5, y + 2, 41, 8};
}
constexpr QRect leftField(int y)
{
    return {47, y, 46, 12};
}
constexpr QRect rightLabel(int y)
{
    return {98, y + 2, 72, 8};
}
constexpr QRect rightField(int y)
{
    return {171, y, 74, 12};
}

const PageField generalFields[] = {
    {202, FieldKind::Check, "Auto&HScroll", "AutoHScroll", {}, {5, 76, 88, 10}},
    {211, FieldKind::Integer, "Inden&t :", "Indent", leftLabel(58), leftField(58)},
    {206, FieldKind::Integer, "M&axDay :", "MaxDay", rightLabel(4), rightField(4)},
    {208, FieldKind::Integer, "Ma&xMonth :", "MaxMonth", rightLabel(22), rightField(22)},
    {209, FieldKind::Integer, "Max&Year :", "MaxYear", rightLabel(40), rightField(40)},
    {205, FieldKind::Integer, "Min&Day :", "MinDay", leftLabel(4), leftField(4)},
    {207, FieldKind::Integer, "Min&Month :", "MinMonth", leftLabel(22), leftField(22)},
    {210, FieldKind::Integer, "Mi&nYear :", "MinYear", leftLabel(40), leftField(40)},
    {204, FieldKind::Check, "Read&Only", "ReadOnly", {}, {5, 94, 88, 10}},
    {213, FieldKind::ComboText, "&Language :", "Language", rightLabel(58), rightField(58), languageCodes},
    {212, FieldKind::ListIndex, "Lan&guageNumber :", "LanguageNumber", rightLabel(76), rightField(76), languageNames},
    {214, FieldKind::Text, "T&ext :", "Text", rightLabel(94), rightField(94)},
};

const controls::PageDesign generalPage{"General", {250, 110}, generalFields};

const char* const alignments[] = {"0 - Left", "1 - Right", "2 - Center"};
const char* const bevelStyles[] = {"0 - Lowered", "1 - Raised", "2 - Chisled", "3 - ShadowedRight", "4 - ShadowedLeft"};
const char* const borderStyles[] = {"0 - No Border", "1 - Single Line", "2 - Rounded Corners"};
const char* const spinStyles[] = {"0 - No Spin", "1 - Spin on Left", "2 - Spin on Right"};
const char* const vAlignments[] = {"0 - Top", "1 - Bottom", "2 - Center"};
const char* const dateFormats[] = {
    "0 - (Default) Normal", "1 - Julian", "2 - Verbose", "3 - Verbose with Weekday",
    "4 - General",          "5 - Long",   "6 - Medium",  "7 - Short",
};

// Two columns from y 13 to 83.
constexpr int rows[] = {13, 30, 48, 65, 83};
constexpr QRect listLabel(int row)
{
    return {11, rows[row] + 2, 43, 8};
}
constexpr QRect listField(int row)
{
    return {55, rows[row], 72, 12};
}
constexpr QRect numberLabel(int row)
{
    return {131, rows[row] + 2, 47, 8};
}
constexpr QRect numberField(int row)
{
    return {179, rows[row], 64, 12};
}

const PageField appearanceFields[] = {
    {202, FieldKind::ListIndex, "A&lignment :", "Alignment", listLabel(0), listField(0), alignments},
    {208, FieldKind::Integer, "Be&velSize:", "BevelSize", numberLabel(0), numberField(0)},
    {204, FieldKind::ListIndex, "B&evelStyle :", "BevelStyle", listLabel(2), listField(2), bevelStyles},
    {205, FieldKind::ListIndex, "B&orderStyle :", "BorderStyle", listLabel(3), listField(3), borderStyles},
    {207, FieldKind::ListIndex, "&Spin :", "Spin", numberLabel(1), numberField(1), spinStyles},
    {209, FieldKind::Integer, "S&pinChange:", "SpinChange", numberLabel(2), numberField(2)},
    {210, FieldKind::Integer, "SpinDela&y :", "SpinDelay", numberLabel(3), numberField(3)},
    {211, FieldKind::Integer, "Spi&nSpeed :", "SpinSpeed", numberLabel(4), numberField(4)},
    {203, FieldKind::ListIndex, "VAli&gnment :", "VAlignment", listLabel(1), listField(1), vAlignments},
    {215, FieldKind::ListIndex, "&Date Format :", "DateFormat", listLabel(4), listField(4), dateFormats},
};

const controls::PageDesign appearancePage{"Appearance", {250, 110}, appearanceFields};

constexpr int kLanguageBox = 213;

} // namespace

CQvindatPropPage::CQvindatPropPage() : PropertyPage(generalPage) {}

bool CQvindatPropPage::fieldValue(const PageField& field, QWidget* widget, com::Variant* value, QString* message)
{
    if (field.id != kLanguageBox)
        return PropertyPage::fieldValue(field, widget, value, message);
    // An item of the list is applied as the code it names ("8  - FRA" is
    // FRA); a code typed into the box goes as it was typed.
    const QString text = static_cast<QComboBox*>(widget)->currentText();
    for (const char* item : languageCodes) {
        if (text == QLatin1String(item)) {
            *value = com::Variant::string(text.section(QLatin1Char('-'), 1).trimmed());
            return true;
        }
    }
    *value = com::Variant::string(text);
    return true;
}

AppearancePPG::AppearancePPG() : PropertyPage(appearancePage) {}

// The control's colour properties, as the stock colour page lists them.
const char* const colorProperties[] = {"BackColor",  "ForeColor",   "BorderColor", "FillColor",
                                       "LightColor", "ShadowColor", "TextColor",   "CaretColor"};

std::vector<com::Guid> CQvindatCtrl::propertyPageClasses() const
{
    return {generalPageClass, appearancePageClass, controls::stockColorPageClass, controls::stockFontPageClass};
}

com::Ptr<com::PropertyPage> CQvindatCtrl::createPropertyPage(const com::Guid& page)
{
    com::Ptr<com::PropertyPage> made;
    if (page == generalPageClass)
        com::server::createObject<CQvindatPropPage>(com::PropertyPage::iid, made.out());
    else if (page == appearancePageClass)
        com::server::createObject<AppearancePPG>(com::PropertyPage::iid, made.out());
    else
        made = controls::createStockPage(page, colorProperties);
    return made;
}

} // namespace qvindat
