#include "contents/ContentsWindowParts.h"

#include "appearance/SkinTable.h"
#include "contents/ButtonLook.h"
#include "contents/ChapterButtons.h"
#include "contents/ContentsClock.h"
#include "contents/ContentsLayout.h"
#include "contents/SkinBackground.h"
#include "platform/forms/App.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/Form.h"
#include "platform/forms/StatusBar.h"
#include "questionsets/Markers.h"
#include "questionwindow/frmMain.h"

#include <QMenuBar>

namespace contents {

using forms::bestEffort;

QWidget* makeSkinnedCanvas(forms::Form& window, SkinBackground*& fxBack)
{
    QWidget* canvas = layout::makeCanvas(window);
    QFont buttonFont = canvas->font();
    buttonFont.setPointSize(10);
    buttonFont.setBold(true);
    canvas->setFont(buttonFont);

    fxBack = new SkinBackground(canvas);
    fxBack->setObjectName(QStringLiteral("fxBack"));
    layout::coverCanvas(*canvas, *fxBack);
    return canvas;
}

forms::Qv3dLabel* windowButton(QWidget* canvas, const QString& name, const QString& caption)
{
    auto* button = new forms::Qv3dLabel(canvas, caption);
    button->setObjectName(name);
    return button;
}

forms::StatusBar* makeContentsStatus(forms::Form& window, const QString& bankText, const PanelText& third)
{
    auto* status = new forms::StatusBar(&window);
    status->setObjectName(QStringLiteral("Status"));
    status->addPanel({}, QStringLiteral("Table Of Contents"), {}, 2);
    status->addPanel({}, bankText, QStringLiteral("Current Brisolt Test Bank"), 2);
    status->addPanel(third.key, third.text, third.toolTip, 5);
    forms::Panel* time = status->addPanel(markers::timePanel, {}, QStringLiteral("Current System Time"), 2);
    time->label()->setAccessibleName(QStringLiteral("Time"));
    window.setStatusBar(status);
    return status;
}

forms::Timer* makeClock(forms::Form& window)
{
    auto* clock = new forms::Timer(&window, clockInterval, true);
    clock->setObjectName(QStringLiteral("Timer1"));
    return clock;
}

forms::Menu* menuTitle(QMenuBar* bar, const QString& name, const QString& caption)
{
    auto* added = new forms::Menu(bar, caption);
    added->setObjectName(name);
    return added;
}

forms::Menu* menuItem(forms::Menu* parent, const QString& name, const QString& caption)
{
    auto* added = new forms::Menu(parent, caption);
    added->setObjectName(name);
    return added;
}

void menuSeparator(forms::Menu* parent) { new forms::Menu(parent, QStringLiteral("-")); }

void paintContentsSkin(const QString& skinName, SkinBackground& fxBack, std::span<forms::Qv3dLabel* const> captioned,
                       std::span<forms::Qv3dLabel* const> textured)
{
    const appearance::Skin* skin = appearance::findSkin(skinName);
    if (!skin)
        return;
    const forms::App& program = forms::App::current();
    bestEffort({
        [&] { fxBack.setPictureFile(program.file(skin->windowBackground)); },
        [&] {
            setCaptionColors(captioned, skin->captionColor == appearance::whiteColor ? appearance::whiteColor
                                                                                     : appearance::blackColor);
        },
        [&] { setTextures(textured, program.file(skin->buttonTexture)); },
    });
}

void finishContentsActivation(ChapterButtons& chapters, const QString& route)
{
    bestEffort({
        [&] { setTwoLineCaptions(chapters.all()); },
        [&] { forms::form<questionwindow::frmMain>().txtContentsRoute->setText(route); },
    });
}

} // namespace contents
