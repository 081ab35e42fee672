#include "contents/CurrentSkin.h"

#include "appearance/SkinTable.h"
#include "contents/SkinBackground.h"
#include "contents/frmContents.h"
#include "platform/forms/App.h"
#include "platform/forms/FailureRegimes.h"

namespace contents {

using forms::bestEffort;

const appearance::Skin* paintCurrentSkin(SkinBackground& background)
{
    QString name;
    bestEffort({[&] { name = forms::form<frmContents>().txtSkin->text(); }});
    const appearance::Skin* skin = appearance::findSkin(name);
    if (skin)
        bestEffort({[&] { background.setPictureFile(forms::App::current().file(skin->windowBackground)); }});
    return skin;
}

} // namespace contents
