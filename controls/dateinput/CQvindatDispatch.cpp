// The date-input control's dispatch interface: every member by its id and name.
#include "controls/dateinput/CQvindatCtrl.h"
#include "controls/base/SuiteMembers.h"
#include "controls/dateinput/QvindatClasses.h"
#include "platform/com/DispatchTable.h"

namespace qvindat {

using namespace com;
using Ctrl = CQvindatCtrl;
using P = CQvindatCtrl::Properties;

namespace {

using controls::singleByteIn;
using controls::singleByteOut;

#define QV_SHORT(NAME, FIELD) controls::shortMember<Ctrl, dispid::NAME, &P::FIELD>(#NAME)
#define QV_LONG(NAME, FIELD)                                                                                           \
    Member<Ctrl>                                                                                                       \
    {                                                                                                                  \
        dispid::NAME, #NAME, [](Ctrl& c) { return Variant::i4(c.properties().FIELD); },                                \
            [](Ctrl& c, const Variant& v) { c.setLong(dispid::NAME, argI4(v)); }                                       \
    }
#define QV_COLOR(NAME, FIELD) controls::colorMember<Ctrl, dispid::NAME, &P::FIELD>(#NAME)
// Booleans are kept as the value given, and read back as that value.
#define QV_BOOL(NAME, FIELD)                                                                                           \
    Member<Ctrl>                                                                                                       \
    {                                                                                                                  \
        dispid::NAME, #NAME, [](Ctrl& c) { return Variant::i4(c.properties().FIELD); },                                \
            [](Ctrl& c, const Variant& v) { c.setBool(dispid::NAME, argI4(v)); }                                       \
    }
// Font members read the stock font, at run time only; a set is not announced.
#define QV_FONT_FLAG(NAME, GET, SET)                                                                                   \
    controls::fontFlagMember<Ctrl, dispid::NAME, &QFont::GET, &QFont::SET, controls::FontNotice::unannounced>(#NAME)

const DispatchTable<Ctrl>& table()
{
    static const Member<Ctrl> members[] = {
        QV_SHORT(MousePointer, mousePointer),
        QV_FONT_FLAG(FontBold, bold, setBold),
        QV_FONT_FLAG(FontItalic, italic, setItalic),
        controls::fontNameMember<Ctrl, dispid::FontName, controls::FontNotice::unannounced>(),
        // A size is refused with the plain error 380, not the locale
        // library's text, and a set is not announced.
        {dispid::FontSize, "FontSize",
         [](Ctrl& c) {
             c.requireRunMode();
             return Variant::r4(float(c.font().pointSizeF()));
         },
         [](Ctrl& c, const Variant& v) {
             // Kept as the font keeps it: in ten-thousandths of a point.
             const float size = argR4(v);
             if (size <= 0)
                 throw AutomationError{automationError(380), QStringLiteral("Invalid property value"), 0};
             QFont font = c.font();
             font.setPointSizeF(std::round(double(size) * 10000.0) / 10000.0);
             c.setFont(font);
         }},
        QV_FONT_FLAG(FontStrikethru, strikeOut, setStrikeOut),
        QV_FONT_FLAG(FontUnderline, underline, setUnderline),
        QV_SHORT(Alignment, alignment),
        QV_SHORT(BevelSize, bevelSize),
        QV_SHORT(BevelStyle, bevelStyle),
        QV_COLOR(BorderColor, borderColor),
        QV_SHORT(BorderStyle, borderStyle),
        QV_COLOR(FillColor, fillColor),
        QV_COLOR(LightColor, lightColor),
        QV_COLOR(ShadowColor, shadowColor),
        QV_COLOR(TextColor, textColor),
        {dispid::SelLength, "SelLength",
         [](Ctrl& c) {
             c.requireRunMode();
             return Variant::i4(std::abs(c.properties().selLength));
         },
         [](Ctrl& c, const Variant& v) { c.setSelLength(argI4(v)); }},
        {dispid::SelStart, "SelStart",
         [](Ctrl& c) {
             c.requireRunMode();
             const P& p = c.properties();
             return Variant::i4(std::min(p.selStart, p.selStart + p.selLength));
         },
         [](Ctrl& c, const Variant& v) { c.setSelStart(argI4(v)); }},
        {dispid::SelText, "SelText",
         [](Ctrl& c) {
             c.requireRunMode();
             return singleByteOut(c.selText());
         },
         [](Ctrl& c, const Variant& v) { c.setSelText(singleByteIn(v)); }},
        {dispid::Text, "Text", [](Ctrl& c) { return singleByteOut(c.properties().text); },
         [](Ctrl& c, const Variant& v) { c.setText(singleByteIn(v)); }},
        QV_BOOL(ReadOnly, readOnly),
        QV_SHORT(Spin, spin),
        {dispid::Undo, "Undo",
         [](Ctrl& c) {
             c.requireRunMode();
             return Variant::boolean(c.undo());
         },
         [](Ctrl& c, const Variant&) {
             c.undo();
             if (c.window())
                 c.boundPropertyChanged(dispid::Undo);
         }},
        QV_LONG(SpinDelay, spinDelay),
        QV_LONG(SpinSpeed, spinSpeed),
        QV_SHORT(Indent, indent),
        QV_BOOL(AutoHScroll, autoHScroll),
        QV_SHORT(FontStyle, fontStyle),
        QV_SHORT(CaretHeight, caretHeight),
        QV_SHORT(CaretWidth, caretWidth),
        QV_COLOR(CaretColor, caretColor),
        QV_SHORT(CaretStyle, caretStyle),
        QV_SHORT(CaretVAlign, caretVAlign),
        QV_SHORT(CaretInterval, caretInterval),
        QV_BOOL(CaretVisible, caretVisible),
        {dispid::DateFormat, "DateFormat", [](Ctrl& c) { return Variant::i2(c.properties().dateFormat); },
         [](Ctrl& c, const Variant& v) { c.setDateFormat(argI2(v)); }},
        {dispid::Language, "Language", [](Ctrl& c) { return singleByteOut(c.properties().language); },
         [](Ctrl& c, const Variant& v) { c.setLanguage(singleByteIn(v)); }},
        {dispid::LanguageNumber, "LanguageNumber", [](Ctrl& c) { return Variant::i2(c.properties().languageNumber); },
         [](Ctrl& c, const Variant& v) { c.setLanguageNumber(argI2(v)); }},
        QV_SHORT(VAlignment, vAlignment),
        QV_SHORT(MaxDay, maxDay),
        QV_SHORT(MaxMonth, maxMonth),
        QV_SHORT(MaxYear, maxYear),
        QV_SHORT(MinDay, minDay),
        QV_SHORT(MinMonth, minMonth),
        QV_SHORT(MinYear, minYear),
        QV_LONG(SpinChange, spinChange),
        {dispid::AllowBlank, "AllowBlank", [](Ctrl& c) { return Variant::i4(c.properties().allowBlank); },
         [](Ctrl& c, const Variant& v) { c.setAllowBlank(argI4(v) != 0); }},
        controls::mouseIconMember<Ctrl, dispid::MouseIcon>(),
        QV_SHORT(Separator, separator),
        QV_BOOL(FocusSelect, focusSelect),
        QV_SHORT(CurrentYear, currentYear),
        QV_SHORT(CurrentDay, currentDay),
        QV_SHORT(CurrentMonth, currentMonth),
        controls::aboutBoxMember<Ctrl>(),
    };
    static const DispatchTable<Ctrl> table{members};
    return table;
}

} // namespace

Result CQvindatCtrl::ownIdOfName(const QString& name, DispId* id)
{
    return table().idOfName(name, id);
}

Result CQvindatCtrl::invokeOwn(DispId id, InvokeKind kind, std::span<Variant> args, Variant* result, ErrorInfo* info)
{
    return table().invoke(*this, id, kind, args, result, info);
}

} // namespace qvindat
