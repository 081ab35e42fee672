#pragma once

#include "controls/base/CQvControl.h"
#include "platform/com/DispatchTable.h"

#include <QByteArray>
#include <QFont>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cmath>

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

// A font sub-property is read at run time only; a set changes the stock
// font and is announced under the member's own dispid.
template <class Ctrl, com::DispId Id, bool (QFont::*Get)() const, void (QFont::*Set)(bool)>
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
                c.boundPropertyChanged(Id);
            }};
}

template <class Ctrl, com::DispId Id>
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
