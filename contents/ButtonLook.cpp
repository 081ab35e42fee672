#include "contents/ButtonLook.h"

#include "platform/forms/Qv3dLabel.h"

#include <QImageReader>

namespace contents {

using forms::Qv3dLabel;

bool needsTwoLines(const QString& caption)
{
    return caption.size() > oneLineCaptionLength;
}

void setTwoLineCaptions(std::span<Qv3dLabel* const> buttons)
{
    for (Qv3dLabel* button : buttons)
        button->setMultiLine(needsTwoLines(button->caption()));
}

void setCaptionColors(std::span<Qv3dLabel* const> buttons, int rgb)
{
    for (Qv3dLabel* button : buttons)
        button->setCaptionColor(rgb);
}

bool setTextures(std::span<Qv3dLabel* const> buttons, const QString& path)
{
    // Checked once, so a missing file cannot leave half the buttons textured.
    if (!QImageReader(path).canRead())
        return false;
    bool all = true;
    for (Qv3dLabel* button : buttons)
        all = button->setPicture(path) && all;
    return all;
}

void holdDown(Qv3dLabel& button)
{
    button.setBevelStyleInner(Qv3dLabel::BevelNone);
    button.setCaption(QLatin1Char(' ') + button.caption());
}

void release(Qv3dLabel& button, const QString& releaseCaption)
{
    button.setBevelStyleInner(Qv3dLabel::BevelRaised);
    button.setCaption(releaseCaption);
}

} // namespace contents
