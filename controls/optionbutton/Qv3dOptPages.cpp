// The option button's two property pages, and the control's list of its
// pages. The pages hold no rules of their own beyond the box size's range
// and the caption's length: every other check and effect of a value is the
// property's.
#include "controls/optionbutton/Qv3dOptPages.h"

#include "controls/base/StockPages.h"
#include "controls/optionbutton/CQv3dOptionCtrl.h"
#include "controls/optionbutton/Qv3dOptPagesTypeLib.h"
#include "controls/optionbutton/Qv3doptClasses.h"
#include "controls/runtime/AboutDialog.h"
#include "platform/com/server/Server.h"

#include <QComboBox>
#include <QPushButton>

#include <cstring>

namespace qv3dopt {

using controls::FieldKind;
using controls::PageField;

namespace {

constexpr int kAlignmentList = 201;
constexpr int kBoxAlignmentList = 206;
constexpr int kFontStyleList = 212;
constexpr int kWallpaperList = 204;
constexpr int kValueList = 213;

// A drop-down list's rectangle: the dialog gives the height of its open
// list; closed it is one line high.
constexpr QRect listRect(int x, int y, int width)
{
    return {x, y, width, 12};
}

const PageField generalFields[] = {
    {kAlignmentList, FieldKind::ListIndex, "Alignmen&t:", "Alignment", {5, 24, 48, 8}, listRect(57, 22, 104)},
    {kBoxAlignmentList, FieldKind::ListIndex, "Bo&xAlignment:", "BoxAlignment", {5, 42, 48, 8}, listRect(57, 40, 104)},
    {kFontStyleList, FieldKind::ListIndex, "&Font Style:", "FontStyle", {5, 60, 48, 8}, listRect(57, 58, 104)},
    {kWallpaperList, FieldKind::ListIndex, "&Wallpaper:", "Wallpaper", {5, 96, 48, 8}, listRect(57, 94, 104)},
    {215, FieldKind::Check, "CheckBox&2d", "CheckBox2D", {}, {184, 24, 59, 10}},
    {218, FieldKind::Text, "&Caption:", "Caption", {7, 7, 46, 8}, {57, 5, 104, 12}, {}, INT_MIN, INT_MAX, 100},
    {kValueList, FieldKind::ListIndex, "&Value:", "Value", {5, 78, 48, 8}, listRect(57, 76, 104)},
    {214, FieldKind::Integer, "BoxSi&ze:", "BoxSize", {176, 62, 36, 8}, {216, 60, 26, 12}, {}, 0, 32767},
    {202, FieldKind::Check, "Auto&Size", "AutoSize", {}, {184, 7, 57, 10}},
    {203, FieldKind::Check, "&Multiline", "Multiline", {}, {184, 42, 54, 10}},
};

const controls::PageDesign generalPage{"General", {250, 110}, generalFields};

// The order the user tabs through the General page.
constexpr int generalTabOrder[] = {
    218, kAlignmentList, kBoxAlignmentList, kFontStyleList, kValueList, kWallpaperList, 202, 215, 203, 214};

// The enumerations that fill the General page's lists.
struct EnumList {
    const char* enumeration;
    int list;
};
constexpr EnumList enumLists[] = {
    {"AlignmentConstants", kAlignmentList}, {"BoxAlignConstants", kBoxAlignmentList},
    {"FontStyleConstants", kFontStyleList}, {"ValueConstants", kValueList},
    {"WallpaperConstants", kWallpaperList},
};

// Fills a list with the members of an enumeration, "0 - qvAlignmentLeft",
// once: a list that holds entries is left as it is.
void FillEnumCombo(QComboBox* list, const TypeDescription& type)
{
    if (!list || list->count() > 0)
        return;
    list->clear();
    for (const EnumMember& member : type.members)
        list->addItem(QStringLiteral("%1 - %2").arg(member.value).arg(QString::fromLatin1(member.name)));
}

const char* const borderStyles[] = {"0 - No border", "1 - Single line", "2 - Single line with rounded corners"};
const char* const bevelStyles[] = {"0 - Lowered", "1 - Raised", "2 - Chiseled", "3 - Shadowed right",
                                   "4 - Shadowed left"};

const PageField bevelFields[] = {
    {3005, FieldKind::Integer, "BevelSi&ze:", "BevelSize", {6, 55, 65, 8}, {75, 53, 53, 12}},
    {3004, FieldKind::ListIndex, "Bevel&Style:", "BevelStyle", {6, 37, 65, 8}, listRect(75, 35, 139), bevelStyles},
    {3003, FieldKind::ListIndex, "&BorderStyle:", "BorderStyle", {6, 19, 65, 8}, listRect(75, 17, 139), borderStyles},
};

const controls::PageDesign bevelPage{"Bevels and Borders", {250, 110}, bevelFields};

constexpr int bevelTabOrder[] = {3003, 3004, 3005};

// The fields are made in the order they are exchanged; the user tabs
// through them in the order the dialog shows them.
void setTabOrder(const controls::PropertyPage& page, std::span<const int> order)
{
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(page.fieldWidget(order[i - 1]), page.fieldWidget(order[i]));
}

} // namespace

CQv3dOptionPropPage::CQv3dOptionPropPage() : PropertyPage(generalPage) {}

void CQv3dOptionPropPage::onCreated(QWidget* window)
{
    auto* about = new QPushButton(QStringLiteral("A&bout..."), window);
    about->setObjectName(QStringLiteral("About"));
    about->setGeometry(controls::dialogUnitsToPixels(QRect(182, 91, 55, 15), window->font()));
    QObject::connect(about, &QPushButton::clicked, about, [this, window] { showAbout(window); });
    setTabOrder(*this, generalTabOrder);
    QWidget::setTabOrder(fieldWidget(generalTabOrder[std::size(generalTabOrder) - 1]), about);
}

void CQv3dOptionPropPage::beforeRead()
{
    LoadOwnTypeLib();
}

void CQv3dOptionPropPage::LoadOwnTypeLib()
{
    std::size_t taken = 0;
    for (const TypeDescription& type : ownTypeLibrary()) {
        if (taken == std::size(enumLists))
            break;
        for (const EnumList& chosen : enumLists) {
            if (std::strcmp(type.name, chosen.enumeration) == 0) {
                FillEnumCombo(static_cast<QComboBox*>(fieldWidget(chosen.list)), type);
                ++taken;
            }
        }
    }
}

void CQv3dOptionPropPage::showValue(const PageField& field, QWidget* widget, const std::optional<com::Variant>& value)
{
    // A selected button reads its Value as -1; the list shows it as the
    // member it stands for, 1, rather than as no entry at all.
    std::int32_t number = 0;
    if (field.id == kValueList && value && com::succeeded(value->toI4(&number)) && number == -1) {
        PropertyPage::showValue(field, widget, com::Variant::i4(1));
        return;
    }
    PropertyPage::showValue(field, widget, value);
}

void CQv3dOptionPropPage::showAbout(QWidget* window)
{
    // The page's About only tells about the library; unlike the control's
    // own AboutBox it never goes on to the properties, which are open.
    qvrun::CQvAboutDlg dialog(window);
    dialog.exec();
}

CQv3dOptionPropPage2::CQv3dOptionPropPage2() : PropertyPage(bevelPage) {}

void CQv3dOptionPropPage2::onCreated(QWidget*)
{
    setTabOrder(*this, bevelTabOrder);
}

// The control's colour properties, as the stock colour page lists them.
const char* const colorProperties[] = {"BackColor",  "ForeColor",   "BorderColor", "FillColor",
                                       "LightColor", "ShadowColor", "TextColor"};
// Its picture properties, as the stock picture page lists them.
const char* const pictureProperties[] = {"Picture", "PictureChecked", "PictureUnchecked", "PicturePressed",
                                         "PictureGrayed"};

std::vector<com::Guid> CQv3dOptionCtrl::propertyPageClasses() const
{
    return {generalPageClass, bevelPageClass, controls::stockColorPageClass, controls::stockFontPageClass,
            controls::stockPicturePageClass};
}

com::Ptr<com::PropertyPage> CQv3dOptionCtrl::createPropertyPage(const com::Guid& page)
{
    com::Ptr<com::PropertyPage> made;
    if (page == generalPageClass)
        com::server::createObject<CQv3dOptionPropPage>(com::PropertyPage::iid, made.out());
    else if (page == bevelPageClass)
        com::server::createObject<CQv3dOptionPropPage2>(com::PropertyPage::iid, made.out());
    else
        made = controls::createStockPage(page, colorProperties, pictureProperties);
    return made;
}

} // namespace qv3dopt
