#include "contents/SkinBackground.h"

#include "appearance/SkinTable.h"
#include "contents/frmContents.h"
#include "platform/core/Errors.h"
#include "platform/forms/App.h"
#include "platform/forms/FailureRegimes.h"

#include <QImageReader>

namespace contents {

SkinBackground::SkinBackground(QWidget* parent) : forms::ImageBox(parent)
{
    setStretch(true);
    setAlignment(Qt::AlignCenter);
    // Only a backdrop: clicks and the keyboard belong to the buttons on it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void SkinBackground::setDisplayMode(int mode)
{
    if (mode != 2 && mode != 3)
        throw platform::errors::invalidPropertyValue();
    displayMode_ = mode;
    setStretch(mode == 3);
}

bool SkinBackground::setPictureFile(const QString& path)
{
    // Every activation paints the skin again; the picture on show already is
    // not read and decoded a second time.
    if (!path.isEmpty() && path == picturePath() && hasPicture())
        return true;
    QImageReader reader(path);
    if (path.isEmpty() || !reader.canRead())
        return false;
    return setPicture(path);
}

void showCurrentSkin(SkinBackground& background)
{
    using forms::bestEffort;
    QString name;
    bestEffort({[&] { name = forms::form<frmContents>().txtSkin->text(); }});
    if (const appearance::Skin* skin = appearance::findSkin(name))
        bestEffort({[&] { background.setPictureFile(forms::App::current().file(skin->windowBackground)); }});
}

} // namespace contents
