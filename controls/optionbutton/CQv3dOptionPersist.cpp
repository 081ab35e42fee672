// What of the option button is kept with its container's design, in the
// order it is kept. Every stored default is 0: a container that keeps a
// button writes every key.
#include "controls/base/PropExchange.h"
#include "controls/optionbutton/CQv3dOptionCtrl.h"

namespace qv3dopt {

void CQv3dOptionCtrl::doPropExchange(controls::PropExchange& x)
{
    std::uint32_t version = persistedVersion();
    x.version(version, persistedVersion());
    CQvControl::doPropExchange(x);
    x.stringValue("Caption", p_.caption, QByteArray());
    // The members are exchanged directly, without their setters. Each
    // picture that cannot be read is left empty and the rest still loads.
    x.shortValue("Alignment", p_.alignment, 0);
    x.boolValue("AutoSize", p_.autoSize, 0);
    x.shortValue("BevelSize", p_.bevelSize, 0);
    x.shortValue("BevelStyle", p_.bevelStyle, 0);
    x.shortValue("BoxSize", p_.boxSize, 0);
    x.colorValue("BorderColor", p_.borderColor, 0);
    x.shortValue("BorderStyle", p_.borderStyle, 0);
    x.colorValue("FillColor", p_.fillColor, 0);
    x.shortValue("FontStyle", p_.fontStyle, 0);
    x.boolValue("FontTransparent", p_.fontTransparent, 0);
    x.colorValue("LightColor", p_.lightColor, 0);
    x.boolValue("Multiline", p_.multiline, 0);
    x.pictureValue("Picture", picture_);
    x.pictureValue("PictureChecked", pictureChecked_);
    x.pictureValue("PicturePressed", picturePressed_);
    x.pictureValue("PictureUnChecked", pictureUnchecked_);
    x.pictureValue("PictureGrayed", pictureGrayed_);
    x.colorValue("ShadowColor", p_.shadowColor, 0);
    x.colorValue("TextColor", p_.textColor, 0);
    x.shortValue("WallPaper", p_.wallPaper, 0);
    x.shortValue("BoxAlignment", p_.boxAlignment, 0);
    x.shortValue("Value", p_.value, 0);
    x.shortValue("Group", p_.group, 0);
    x.stringValue("DataText", p_.dataText, QByteArray());
    x.shortValue("DataStyle", p_.dataStyle, 0);
    x.boolValue("DataStyleCaseSens", p_.dataStyleCaseSens, 0);
    x.boolValue("CheckBox2d", p_.checkBox2d, 0);
    exchangeMousePointer(x, p_.mousePointer);
    x.pictureValue("MouseIcon", mouseIconHolder());
    if (x.isLoading()) {
        OnTextChanged();
        invalidate();
    }
}

} // namespace qv3dopt
