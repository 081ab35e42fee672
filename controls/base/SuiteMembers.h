#pragma once

#include "controls/base/CQvControl.h"
#include "platform/com/DispatchTable.h"

#include <QByteArray>
#include <QFont>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cmath>
#include <cstdint>

// Dispatch members every control of the suite has in the same shape: text
// in and out of the control's single-byte form, the font's sub-properties,
// MouseIcon and AboutBox. A control class names its own dispids.
namespace controls {

// Text crosses the boundary as Unicode and is single-byte inside.
inline com::Variant singleByteOut(const QByteArray& bytes)
{
    QStringDecoder decoder("Windows-1252");
    return com::Variant::string(decoder(bytes));
}

inline QByteArray singleByteIn(const com::Variant& value)
{
    QStringEncoder encoder("Windows-1252");
    return encoder(com::argText(value));
}

// A picture argument: a picture object, or nothing.
inline com::Ptr<com::Picture> pictureArgument(const com::Variant& value)
{
    auto picture = com::Ptr<com::Picture>::query(value.object());
    if (value.object() && !picture)
        throw com::AutomationError{com::kTypeMismatch, {}, 0};
    return picture;
}

// A short or colour property, read from the control's Properties (Field
// points into them) and set through the control's checking setter.
template <class Ctrl, com::DispId Id, auto Field>
com::Member<Ctrl> shortMember(const char* name)
{
    return {Id, name, [](Ctrl& c) { return com::Variant::i2(c.properties().*Field); },
            [](Ctrl& c, const com::Variant& v) { c.setShort(Id, com::argI2(v)); }};
}

template <class Ctrl, com::DispId Id, auto Field>
com::Member<Ctrl> colorMember(const char* name)
{
    return {Id, name, [](Ctrl& c) { return com::Variant::i4(std::int32_t(c.properties().*Field)); },
            [](Ctrl& c, const com::Variant& v) { c.setColor(Id, std::uint32_t(com::argI4(v))); }};
}

// Whether a set of a font member is announced under the member's own dispid
// (the option button's) or left unannounced (the date-input control's).
enum class FontNotice { announced, unannounced };

// A font sub-property is read at run time only; a set changes the stock font.
template <class Ctrl, com::DispId Id, bool (QFont::*Get)() const, void (QFont::*Set)(bool),
          FontNotice notice = FontNotice::announced>
com::Member<Ctrl> fontFlagMember(const char* name)
{
    return {Id, name,
            [](Ctrl& c) {
                c.requireRunMode();
                return com::Variant::boolean((c.font().*Get)());
            },
            [](Ctrl& c, const com::Variant& v) {
                QFont font = c.font();
                (font.*Set)(com::argBool(v));
                c.setFont(font);
                if constexpr (notice == FontNotice::announced)
                    c.boundPropertyChanged(Id);
            }};
}

template <class Ctrl, com::DispId Id, FontNotice notice = FontNotice::announced>
com::Member<Ctrl> fontNameMember()
{
    return {Id, "FontName",
            [](Ctrl& c) {
                c.requireRunMode();
                return com::Variant::string(c.font().family());
            },
            [](Ctrl& c, const com::Variant& v) {
                QFont font = c.font();
                font.setFamily(com::argText(v));
                c.setFont(font);
                if constexpr (notice == FontNotice::announced)
                    c.boundPropertyChanged(Id);
            }};
}

template <class Ctrl, com::DispId Id>
com::Member<Ctrl> fontSizeMember()
{
    return {Id, "FontSize",
            [](Ctrl& c) {
                c.requireRunMode();
                return com::Variant::r4(float(c.font().pointSizeF()));
            },
            [](Ctrl& c, const com::Variant& v) {
                // Kept as the font keeps it: in ten-thousandths of a point.
                const float size = com::argR4(v);
                if (size <= 0)
                    c.RaiseSuiteError(kInvalidPropertyValue);
                QFont font = c.font();
                font.setPointSizeF(std::round(double(size) * 10000.0) / 10000.0);
                c.setFont(font);
                c.boundPropertyChanged(Id);
            }};
}

// MouseIcon through the base's holder, announced under the member's dispid.
template <class Ctrl, com::DispId Id>
com::Member<Ctrl> mouseIconMember()
{
    return {Id, "MouseIcon",
            [](Ctrl& c) { return com::Variant::object(c.GetMouseIcon().get(), com::VarType::Dispatch); },
            [](Ctrl& c, const com::Variant& v) {
                c.SetMouseIcon(pictureArgument(v).get());
                c.boundPropertyChanged(Id);
            }};
}

template <class Ctrl>
com::Member<Ctrl> aboutBoxMember()
{
    return {stock::aboutBox, "AboutBox", nullptr, nullptr, [](Ctrl& c, std::span<com::Variant>) {
                c.AboutBox();
                return com::Variant();
            }};
}

} // namespace controls
