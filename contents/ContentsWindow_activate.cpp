// The contents windows' activation step: each time a window becomes the
// program's active window it re-reads its chapter titles, paints the skin
// named by its own txtSkin, sets long titles of the user's banks on two lines
// and tells the chapter palette and the question window that this window is
// the one in front. Every
// step is attempted on its own, so a skin picture that cannot be read never
// keeps the route marker from being written.

#include "contents/ContentsWindow.h"

#include "appearance/SkinBackground.h"
#include "appearance/SkinTable.h"
#include "contents/ButtonLook.h"
#include "contents/ChapterButtons.h"
#include "editing/frmQ.h"
#include "platform/forms/App.h"
#include "platform/forms/FailureRegimes.h"
#include "questionwindow/frmMain.h"
#include "settings/Markers.h"

namespace contents {

using forms::bestEffort;

void ContentsWindow::Form_Activate()
{
    bestEffort({[&] { Data1->refresh(); }});
    activateOwnParts();
    // The chapter palette learns which bank is in front (touching it loads it, hidden).
    bestEffort({[&] { forms::form<editing::frmQ>().txtLocate->setText(QString::number(bank())); }});

    // A name that is no skin leaves the window as it looks now. Every button
    // gets the texture, also an Exit that keeps its caption colour.
    if (const appearance::Skin* skin = appearance::findSkin(txtSkin->text())) {
        const forms::App& program = forms::App::current();
        const int captionColor =
            skin->captionColor == appearance::whiteColor ? appearance::whiteColor : appearance::blackColor;
        bestEffort({
            [&] { fxBack->setPictureFile(program.file(skin->windowBackground)); },
            [&] { setCaptionColors(coloredButtons(), captionColor); },
            [&] { setTextures(labelButtons(), program.file(skin->buttonTexture)); },
        });
    }
    bestEffort({
        // Only the user's banks set long titles on two lines; the main table
        // of contents shows its fixed titles on one.
        [&] {
            if (bank() != 1)
                setTwoLineCaptions(chapters->all());
        },
        [&] { forms::form<questionwindow::frmMain>().setContentsRoute(markers::contentsRoute(bank())); },
    });
}

void ContentsWindow::BlackButtons()
{
    setCaptionColors(coloredButtons(), appearance::blackColor);
}

void ContentsWindow::RedButtons()
{
    setCaptionColors(coloredButtons(), 255);
}

void ContentsWindow::WhiteButtons()
{
    setCaptionColors(coloredButtons(), appearance::whiteColor);
}

} // namespace contents
