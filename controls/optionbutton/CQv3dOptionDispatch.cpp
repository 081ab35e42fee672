// The option button's dispatch interface: every member by its id and name.
#include "controls/optionbutton/CQv3dOptionCtrl.h"
#include "controls/base/SuiteMembers.h"
#include "controls/optionbutton/Qv3doptClasses.h"
#include "platform/com/DispatchTable.h"

namespace qv3dopt {

using namespace com;
using Ctrl = CQv3dOptionCtrl;
using P = CQv3dOptionCtrl::Properties;

namespace {

#define QV_SHORT(NAME, FIELD) controls::shortMember<Ctrl, dispid::NAME, &P::FIELD>(#NAME)
#define QV_COLOR(NAME, FIELD) controls::colorMember<Ctrl, dispid::NAME, &P::FIELD>(#NAME)
// Booleans read back as -1 and 0.
#define QV_BOOL(NAME, FIELD)                                                                                           \
    Member<Ctrl>                                                                                                       \
    {                                                                                                                  \
        dispid::NAME, #NAME, [](Ctrl& c) { return Variant::boolean(c.properties().FIELD != 0); },                      \
            [](Ctrl& c, const Variant& v) { c.setBool(dispid::NAME, argBool(v) ? -1 : 0); }                            \
    }
#define QV_PICTURE(NAME)                                                                                               \
    Member<Ctrl>                                                                                                       \
    {                                                                                                                  \
        dispid::NAME, #NAME,                                                                                           \
            [](Ctrl& c) { return Variant::object(c.picture(dispid::NAME).get(), VarType::Dispatch); },                 \
            [](Ctrl& c, const Variant& v) {                                                                            \
                c.setPicture(dispid::NAME, controls::pictureArgument(v).get(), dispid::NAME);                          \
            }                                                                                                          \
    }

Variant readValue(Ctrl& c)
{
    return Variant::i2(c.valueRead());
}
void writeValue(Ctrl& c, const Variant& v)
{
    c.setValue(argI2(v));
}

const DispatchTable<Ctrl>& table()
{
    static const Member<Ctrl> members[] = {
        {dispid::DefaultValue, "_Value", &readValue, &writeValue},
        QV_SHORT(MousePointer, mousePointer),
        controls::fontFlagMember<Ctrl, dispid::FontBold, &QFont::bold, &QFont::setBold>("FontBold"),
        controls::fontFlagMember<Ctrl, dispid::FontItalic, &QFont::italic, &QFont::setItalic>("FontItalic"),
        controls::fontNameMember<Ctrl, dispid::FontName>(),
        controls::fontSizeMember<Ctrl, dispid::FontSize>(),
        controls::fontFlagMember<Ctrl, dispid::FontStrikethru, &QFont::strikeOut, &QFont::setStrikeOut>(
            "FontStrikethru"),
        controls::fontFlagMember<Ctrl, dispid::FontUnderline, &QFont::underline, &QFont::setUnderline>("FontUnderline"),
        QV_SHORT(Alignment, alignment),
        QV_BOOL(AutoSize, autoSize),
        QV_SHORT(BevelSize, bevelSize),
        QV_SHORT(BevelStyle, bevelStyle),
        QV_SHORT(BoxSize, boxSize),
        QV_COLOR(BorderColor, borderColor),
        QV_SHORT(BorderStyle, borderStyle),
        QV_COLOR(FillColor, fillColor),
        QV_SHORT(FontStyle, fontStyle),
        QV_BOOL(FontTransparent, fontTransparent),
        QV_COLOR(LightColor, lightColor),
        QV_BOOL(Multiline, multiline),
        QV_COLOR(ShadowColor, shadowColor),
        QV_COLOR(TextColor, textColor),
        QV_SHORT(WallPaper, wallPaper),
        QV_SHORT(BoxAlignment, boxAlignment),
        QV_SHORT(Group, group),
        {dispid::DataText, "DataText", [](Ctrl& c) { return controls::singleByteOut(c.properties().dataText); },
         [](Ctrl& c, const Variant& v) { c.setDataText(controls::singleByteIn(v)); }},
        QV_SHORT(DataStyle, dataStyle),
        QV_BOOL(CheckBox2d, checkBox2d),
        QV_BOOL(DataStyleCaseSens, dataStyleCaseSens),
        QV_PICTURE(Picture),
        QV_PICTURE(PictureChecked),
        QV_PICTURE(PictureUnchecked),
        QV_PICTURE(PicturePressed),
        QV_PICTURE(PictureGrayed),
        // Another spelling of PictureGrayed, announced as that one.
        {dispid::PictureGreyed, "PictureGreyed",
         [](Ctrl& c) {
             c.requireRunMode();
             return Variant::object(c.picture(dispid::PictureGrayed).get(), VarType::Dispatch);
         },
         [](Ctrl& c, const Variant& v) {
             c.setPicture(dispid::PictureGrayed, controls::pictureArgument(v).get(), dispid::PictureGrayed);
         }},
        controls::mouseIconMember<Ctrl, dispid::MouseIcon>(),
        {dispid::Value, "Value", &readValue, &writeValue},
        {dispid::Caption, "Caption", [](Ctrl& c) { return controls::singleByteOut(c.properties().caption); },
         [](Ctrl& c, const Variant& v) { c.setCaption(controls::singleByteIn(v)); }},
        controls::aboutBoxMember<Ctrl>(),
    };
    static const DispatchTable<Ctrl> table{members};
    return table;
}

} // namespace

Result CQv3dOptionCtrl::ownIdOfName(const QString& name, DispId* id)
{
    return table().idOfName(name, id);
}

Result CQv3dOptionCtrl::invokeOwn(DispId id, InvokeKind kind, std::span<Variant> args, Variant* result, ErrorInfo* info)
{
    return table().invoke(*this, id, kind, args, result, info);
}

} // namespace qv3dopt
