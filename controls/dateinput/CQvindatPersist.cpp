// What of the date-input control is kept with its container's design, in
// the order it is kept.
#include "controls/base/PropExchange.h"
#include "controls/dateinput/CQvindatCtrl.h"

#include <algorithm>

namespace qvindat {

void CQvindatCtrl::doPropExchange(controls::PropExchange& x)
{
    std::uint32_t version = persistedVersion();
    x.version(version, persistedVersion());
    CQvControl::doPropExchange(x);
    x.pictureValue("MouseIcon", mouseIconHolder());
    // The members are exchanged directly, without their setters.
    exchangeMousePointer(x, p_.mousePointer);
    x.shortValue("Alignment", p_.alignment, 0);
    x.shortValue("BevelSize", p_.bevelSize, 0);
    x.shortValue("BevelStyle", p_.bevelStyle, 0);
    x.colorValue("BorderColor", p_.borderColor, 0x80000006);
    x.shortValue("BorderStyle", p_.borderStyle, 1);
    x.colorValue("FillColor", p_.fillColor, 0x8000000F);
    x.colorValue("LightColor", p_.lightColor, 0x80000005);
    x.colorValue("ShadowColor", p_.shadowColor, 0x80000010);
    x.colorValue("TextColor", p_.textColor, 0x80000008);
    x.stringValue("Text", p_.text, QByteArray());
    x.boolValue("ReadOnly", p_.readOnly, 0);
    x.shortValue("Spin", p_.spin, 0);
    x.longValue("SpinDelay", p_.spinDelay, 500);
    x.longValue("SpinSpeed", p_.spinSpeed, 100);
    x.shortValue("Indent", p_.indent, 2);
    x.boolValue("AutoHScroll", p_.autoHScroll, 0);
    x.shortValue("FontStyle", p_.fontStyle, 0);
    x.shortValue("CaretHeight", p_.caretHeight, 0);
    x.shortValue("CaretWidth", p_.caretWidth, 0);
    x.colorValue("CaretColor", p_.caretColor, 0x80000006);
    x.shortValue("CaretStyle", p_.caretStyle, 0);
    x.shortValue("CaretVAlign", p_.caretVAlign, 0);
    x.shortValue("CaretInterval", p_.caretInterval, 0);
    x.boolValue("CaretVisible", p_.caretVisible, 1);
    x.shortValue("DateFormat", p_.dateFormat, 0);
    x.stringValue("Language", p_.language, QByteArrayLiteral("WWW"));
    x.shortValue("LanguageNumber", p_.languageNumber, 0);
    x.shortValue("VAlignment", p_.vAlignment, 0);
    x.shortValue("MaxDay", p_.maxDay, 31);
    x.shortValue("MaxMonth", p_.maxMonth, 12);
    x.shortValue("MaxYear", p_.maxYear, 9999);
    x.shortValue("MinDay", p_.minDay, 1);
    x.shortValue("MinMonth", p_.minMonth, 1);
    x.shortValue("MinYear", p_.minYear, 0);
    x.longValue("SpinChange", p_.spinChange, 1);
    x.boolValue("AllowBlank", p_.allowBlank, 0);
    x.boolValue("FocusSelect", p_.focusSelect, 0);
    if (x.isLoading()) {
        // A stored language number past the code table takes the first code.
        if (p_.languageNumber < 0 || p_.languageNumber >= dateinput::languageCodeCount)
            p_.languageNumber = 0;
        boundLoadedLimits();
        // Nothing has been typed into the loaded text yet: Undo keeps it.
        p_.undoText = p_.text;
        invalidate();
    }
}

void CQvindatCtrl::boundLoadedLimits()
{
    // As the setters would take them, in the order they are kept: a highest
    // part outside its range, or a lowest one outside its own or above the
    // highest, is refused and its stored default stays, so the lowest never
    // passes the highest.
    auto pair = [](std::int16_t& lowest, std::int16_t& highest, int lowestOfMax, int top, std::int16_t defaultMin,
                   std::int16_t defaultMax) {
        if (highest < lowestOfMax || highest > top)
            highest = defaultMax;
        if (lowest < 0 || lowest > highest)
            lowest = std::min(defaultMin, highest);
    };
    pair(p_.minDay, p_.maxDay, 1, 31, 1, 31);
    pair(p_.minMonth, p_.maxMonth, 1, 12, 1, 12);
    pair(p_.minYear, p_.maxYear, 0, 9999, 0, 9999);
}

} // namespace qvindat
