// The character's menu: hiding and using the character, its speech balloon,
// whether the Answer button's verdict is spoken, and the Images menu's
// choice of pictures in the presentation.

#include "questionwindow/frmMain.h"

#include "platform/speech/CharacterControl.h"
#include "settings/Markers.h"
#include "settings/Settings.h"

namespace questionwindow {

namespace {

// Balloon styles handed to the character; they differ only in the balloon bit.
constexpr int balloonShown = speech::Character::balloonShownStyle;
constexpr int balloonHidden = speech::Character::balloonHiddenStyle;

} // namespace

void frmMain::mnuHideNuvia_Click()
{
    if (speech::Character* merlin = character()) {
        merlin->stop();
        merlin->hide();
    }
    // A running answer pause would bring the character back.
    Timer3->setEnabled(false);
    cmdNuvia->setVisible(false);
    cmdReadAll->setVisible(false);
    cmdNuviaStop->setVisible(false);
    mnuUseNuvia->setVisible(true);
    mnuHideNuvia->setVisible(false);
}

// The character itself shows again with the next reading.
void frmMain::mnuUseNuvia_Click()
{
    cmdNuvia->setVisible(true);
    cmdReadAll->setVisible(true);
    mnuHideNuvia->setVisible(true);
    mnuUseNuvia->setVisible(false);
}

void frmMain::mnuShowBalloon_Click()
{
    if (speech::Character* merlin = character())
        merlin->setBalloonStyle(balloonShown);
    settings::saveBalloon(markers::settingOn);
    mnuShowBalloon->setVisible(false);
    mnuHideBalloon->setVisible(true);
}

void frmMain::mnuHideBalloon_Click()
{
    if (speech::Character* merlin = character())
        merlin->setBalloonStyle(balloonHidden);
    settings::saveBalloon(markers::settingOff);
    mnuShowBalloon->setVisible(true);
    mnuHideBalloon->setVisible(false);
}

void frmMain::mnuNuviaTells_Click()
{
    mnuNuviaTells->setChecked(!mnuNuviaTells->checked());
}

void frmMain::mnuImagesShow_Click(int /*index*/)
{
    if (mnuImagesShow[0]->visible()) {
        settings::saveShowImages(markers::settingOn);
        mnuImagesShow[0]->setVisible(false);
        mnuImagesShow[1]->setVisible(true);
    } else if (mnuImagesShow[1]->visible()) {
        settings::saveShowImages(markers::settingOff);
        mnuImagesShow[0]->setVisible(true);
        mnuImagesShow[1]->setVisible(false);
    }
}

} // namespace questionwindow
