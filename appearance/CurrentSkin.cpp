#include "appearance/CurrentSkin.h"

#include "appearance/SkinBackground.h"
#include "appearance/SkinTable.h"
#include "platform/forms/App.h"
#include "platform/forms/FailureRegimes.h"
#include "settings/Settings.h"

namespace appearance {

using forms::bestEffort;

const Skin* paintCurrentSkin(SkinBackground& background)
{
    QString name;
    bestEffort({[&] { name = settings::skinName(); }});
    const Skin* skin = findSkin(name);
    if (skin)
        bestEffort({[&] { background.setPictureFile(forms::App::current().file(skin->windowBackground)); }});
    return skin;
}

} // namespace appearance
