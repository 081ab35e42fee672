#pragma once

#include "platform/forms/Menu.h"
#include "platform/forms/Qv3dLabel.h"
#include "platform/forms/Timer.h"

#include <QString>

#include <span>

class QMenuBar;
class QWidget;

namespace forms {
class Form;
class StatusBar;
} // namespace forms

// The parts the main table of contents and the bank windows build alike: the
// canvas with its skin background, the window buttons, the status bar with
// its clock, the Help menu, the skin painting and the end of the activation
// step. Each window keeps its own members; these only make and wire them.
namespace contents {

class ChapterButtons;
class SkinBackground;

// The scrolling canvas with bold 10-point captions for every button on it,
// and the skin's background picture `fxBack` covering it.
QWidget* makeSkinnedCanvas(forms::Form& window, SkinBackground*& fxBack);

// A window button of the right-hand column, named like its handlers.
forms::Qv3dLabel* windowButton(QWidget* canvas, const QString& name, const QString& caption);

// The status bar "Table Of Contents", the bank, `third`, "Time"; the clock
// writes the last panel.
struct PanelText {
    QString key;
    QString text;
    QString toolTip;
};
forms::StatusBar* makeContentsStatus(forms::Form& window, const QString& bankText, const PanelText& third);
forms::Timer* makeClock(forms::Form& window);

// Menu titles and items named like their handlers; a "-" item is a separator.
forms::Menu* menuTitle(QMenuBar* bar, const QString& name, const QString& caption);
forms::Menu* menuItem(forms::Menu* parent, const QString& name, const QString& caption);
void menuSeparator(forms::Menu* parent);

// The menus both kinds carry: File (Terminology, End), Options (Show Chapter
// Palette, Change Interface Skin) and Help (Contents, the web link, About).
// The home window adds its own items where `fileHead` and `optionsMiddle`
// stand; the bank windows pass steps that add nothing.
template <class Window, class FileHead, class OptionsMiddle>
void buildContentsMenus(QMenuBar* bar, Window& w, FileHead fileHead, OptionsMiddle optionsMiddle)
{
    w.mnuFile = menuTitle(bar, QStringLiteral("mnuFile"), QStringLiteral("&File"));
    fileHead();
    w.mnuTerminology = menuItem(w.mnuFile, QStringLiteral("mnuTerminology"), QStringLiteral("Terminology"));
    menuSeparator(w.mnuFile);
    w.mnuEnd = menuItem(w.mnuFile, QStringLiteral("mnuEnd"), QStringLiteral("&End"));

    w.mnuOptions = menuTitle(bar, QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    w.mnuPallete = menuItem(w.mnuOptions, QStringLiteral("mnuPallete"), QStringLiteral("Show Chapter Palette"));
    menuSeparator(w.mnuOptions);
    optionsMiddle();
    w.mnuSkins = menuItem(w.mnuOptions, QStringLiteral("mnuSkins"), QStringLiteral("Change Interface Skin"));

    w.mnuHelp = menuTitle(bar, QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    w.mnuContents = menuItem(w.mnuHelp, QStringLiteral("mnuContents"), QStringLiteral("Contents"));
    menuSeparator(w.mnuHelp);
    w.mnuWeb = menuItem(w.mnuHelp, QStringLiteral("mnuWeb"), QStringLiteral("Connect To Brisolt Website"));
    menuSeparator(w.mnuHelp);
    w.mnuAbout = menuItem(w.mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("About"));
}

// Paints the skin named `skinName`: the background picture, the caption
// colour of `captioned` and the texture of `textured`. A name that is no
// skin leaves the window as it looks now; each step is attempted on its own.
void paintContentsSkin(const QString& skinName, SkinBackground& fxBack, std::span<forms::Qv3dLabel* const> captioned,
                       std::span<forms::Qv3dLabel* const> textured);

// The activation's last steps: long chapter titles on two lines, and the
// question window told which contents window opens its next set (`route`).
void finishContentsActivation(ChapterButtons& chapters, const QString& route);

// Wires a window button's press, release and click to its handlers.
template <class Window>
void connectWindowButton(Window& window, forms::Qv3dLabel* button, void (Window::*down)(), void (Window::*up)(),
                         void (Window::*click)())
{
    QObject::connect(button, &forms::Qv3dLabel::mouseDown, &window, [&window, down](int, int, int, int) { (window.*down)(); });
    QObject::connect(button, &forms::Qv3dLabel::mouseUp, &window, [&window, up](int, int, int, int) { (window.*up)(); });
    QObject::connect(button, &forms::Qv3dLabel::click, &window, click);
}

template <class Window>
void connectMenuItem(Window& window, forms::Menu* item, void (Window::*step)())
{
    QObject::connect(item, &forms::Menu::click, &window, step);
}

// The handlers every contents window has: its four window buttons, the menu
// items both kinds carry and the clock.
template <class Window>
void connectCommonHandlers(Window& w)
{
    connectWindowButton(w, w.cmdAll, &Window::cmdAll_MouseDown, &Window::cmdAll_MouseUp, &Window::cmdAll_Click);
    connectWindowButton(w, w.cmdExit, &Window::cmdExit_MouseDown, &Window::cmdExit_MouseUp, &Window::cmdExit_Click);
    connectWindowButton(w, w.cmdTestBank2, &Window::cmdTestBank2_MouseDown, &Window::cmdTestBank2_MouseUp,
                        &Window::cmdTestBank2_Click);
    connectWindowButton(w, w.cmdTestBank3, &Window::cmdTestBank3_MouseDown, &Window::cmdTestBank3_MouseUp,
                        &Window::cmdTestBank3_Click);

    connectMenuItem(w, w.mnuTerminology, &Window::mnuTerminology_Click);
    connectMenuItem(w, w.mnuEnd, &Window::mnuEnd_Click);
    connectMenuItem(w, w.mnuPallete, &Window::mnuPallete_Click);
    connectMenuItem(w, w.mnuSkins, &Window::mnuSkins_Click);
    connectMenuItem(w, w.mnuContents, &Window::mnuContents_Click);
    connectMenuItem(w, w.mnuWeb, &Window::mnuWeb_Click);
    connectMenuItem(w, w.mnuAbout, &Window::mnuAbout_Click);

    QObject::connect(w.Timer1, &forms::Timer::timer, &w, &Window::Timer1_Timer);
}

} // namespace contents
