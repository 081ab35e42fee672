#include "contents/frmContents.h"

#include "contents/ChapterButtons.h"
#include "contents/ContentsLayout.h"
#include "contents/ContentsWindowParts.h"
#include "contents/HelpBinding.h"
#include "contents/SkinBackground.h"
#include "appearance/art/TitlePicture.h"
#include "platform/forms/HiddenBox.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/Twips.h"
#include "questiondb/Cursors.h"

#include <QMenuBar>

namespace contents {

using forms::hiddenBox;
using forms::Qv3dLabel;
using questiondb::bindBox;
using questiondb::newCursor;
using questiondb::openCursor;

namespace {

constexpr int chapterCount = 20;

} // namespace

frmContents::frmContents()
{
    setObjectName(QStringLiteral("frmContents"));
    setCaption(QStringLiteral("Table Of Contents"));

    Data1 = newCursor(this, QStringLiteral("Data1"), QStringLiteral("Access"));
    Data2 = newCursor(this, QStringLiteral("Data2"), QStringLiteral("Access"));
    Data3 = newCursor(this, QStringLiteral("Data3"), QStringLiteral("Access 2000;"));
    Data4 = newCursor(this, QStringLiteral("Data4"), QStringLiteral("Access 2000;"));

    txtK = hiddenBox(this, QStringLiteral("txtK"), QStringLiteral("txtK"));
    txtRes = hiddenBox(this, QStringLiteral("txtRes"));
    buildSettingsStore();
    buildDesign();
    buildMenus();
    connectHandlers();
    layout::sizeWindow(*this);
}

frmContents::~frmContents() = default;

void frmContents::buildSettingsStore()
{
    // Until the cursors open, the boxes hold their design placeholders.
    txtSkin = bindBox(Data4, hiddenBox(this, QStringLiteral("txtSkin"), QStringLiteral("txtSkin")), QStringLiteral("skin"));
    txtState = bindBox(Data4, hiddenBox(this, QStringLiteral("txtState"), QStringLiteral("txtState")), QStringLiteral("State"));
    txtShowImages = bindBox(Data4, hiddenBox(this, QStringLiteral("txtShowImages"), QStringLiteral("Text1")), QStringLiteral("Images"));
    txtBalloon = bindBox(Data4, hiddenBox(this, QStringLiteral("txtBalloon"), QStringLiteral("txtBalloon")), QStringLiteral("balloon"));
    const struct {
        const char* field;
        const char* placeholder;
    } textStyle[] = {{"fontmain", "txtFont"},      {"fontbold", "txtFontBold"},   {"fontItal", "txtFontItal"},
                     {"fontsize", "txtFontsize"}, {"fontcolor", "txtFontcolor"}, {"backcolor", "txtFontbackcolor"}};
    for (int i = 0; i < 6; ++i) {
        auto* box = hiddenBox(this, QStringLiteral("txtFont"), QString::fromLatin1(textStyle[i].placeholder));
        txtFont.add(i, bindBox(Data4, box, QString::fromLatin1(textStyle[i].field)));
    }
    txtAgentInstall = bindBox(Data3, hiddenBox(this, QStringLiteral("txtAgentInstall"), QStringLiteral("txtAgentInstall")),
                              QStringLiteral("AgentInstall"));
    txtVoice = hiddenBox(this, QStringLiteral("txtVoice"), QStringLiteral("Mary"));
}

void frmContents::buildDesign()
{
    QWidget* canvas = makeSkinnedCanvas(*this, fxBack);

    FXImage1 = new forms::ImageBox(canvas);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    FXImage1->setAccessibleName(QStringLiteral("drillbook"));
    forms::setGeometryTwips(*FXImage1, 3000, 240, 7200, 1440);
    FXImage1->setStretch(true);
    FXImage1->showDrawnPicture(art::titlePicture(FXImage1->size()));

    // Made in reading order, which is also the order Tab walks them.
    chapters = new ChapterButtons(canvas, 1, chapterCount, *Data1, *txtK);
    std::vector<QWidget*> placed(chapters->all().begin(), chapters->all().end());
    layout::placeChapterButtons(placed, 134, 10, 10);

    cmdAll = windowButton(canvas, QStringLiteral("cmdAll"), QStringLiteral("The Entire Test"));
    cmdTestBank2 = windowButton(canvas, QStringLiteral("cmdTestBank2"), QStringLiteral("Test Bank 2"));
    cmdTestBank3 = windowButton(canvas, QStringLiteral("cmdTestBank3"), QStringLiteral("Text Bank 3"));
    cmdExit = windowButton(canvas, QStringLiteral("cmdExit"), QStringLiteral("&Exit"));
    layout::placeSideButton(*cmdAll, 134);
    layout::placeSideButton(*cmdTestBank2, 204);
    layout::placeSideButton(*cmdTestBank3, 274);
    layout::placeSideButton(*cmdExit, layout::bottom - layout::sideButtonHeight);

    Status = makeContentsStatus(*this, QStringLiteral("Test Bank #1"),
                                {{}, QStringLiteral("Corvix 318 - Raze Verudev E/RE Drillmate 4.1"), {}});
    Timer1 = makeClock(*this);
}

void frmContents::buildMenus()
{
    buildContentsMenus(
        menuBar(), *this,
        [this] {
            mnuLoadNuvia = menuItem(mnuFile, QStringLiteral("mnuLoadNuvia"), QStringLiteral("Load Agent Programs"));
            menuSeparator(mnuFile);
        },
        [this] {
            mnuChangeFonts = menuItem(mnuOptions, QStringLiteral("mnuChangeFonts"), QStringLiteral("Change Screen Fonts"));
            mnuResetFonts = menuItem(mnuOptions, QStringLiteral("mnuResetFonts"), QStringLiteral("Reset Screen Fonts"));
            menuSeparator(mnuOptions);
            mnuChangeFontColor =
                menuItem(mnuOptions, QStringLiteral("mnuChangeFontColor"), QStringLiteral("Change Font Color"));
            mnuChangeCanvas = menuItem(mnuOptions, QStringLiteral("mnuChangeCanvas"), QStringLiteral("Change Canvas Color"));
            menuSeparator(mnuOptions);
        });
}

void frmContents::connectHandlers()
{
    using Self = frmContents;
    connectCommonHandlers(*this);
    // The font, colour and speech items only the home window carries.
    connectMenuItem(*this, mnuLoadNuvia, &Self::mnuLoadNuvia_Click);
    connectMenuItem(*this, mnuChangeFonts, &Self::mnuChangeFonts_Click);
    connectMenuItem(*this, mnuResetFonts, &Self::mnuResetFonts_Click);
    connectMenuItem(*this, mnuChangeFontColor, &Self::mnuChangeFontColor_Click);
    connectMenuItem(*this, mnuChangeCanvas, &Self::mnuChangeCanvas_Click);
}

forms::Qv3dLabel* frmContents::cmd(int number) const { return chapters->button(number); }

std::vector<Qv3dLabel*> frmContents::labelButtons() const
{
    std::vector<Qv3dLabel*> buttons = chapters->all();
    buttons.insert(buttons.end(), {cmdTestBank2, cmdTestBank3, cmdAll, cmdExit});
    return buttons;
}

void frmContents::Form_Load()
{
    // Help requests of every window go through this one.
    InitHelp(this);
    // Titles, print settings, flags, settings: the cursors stay open all run.
    openCursor(*Data1, QStringLiteral("Table3"));
    openCursor(*Data2, QStringLiteral("Table6"));
    openCursor(*Data3, QStringLiteral("Table13"));
    openCursor(*Data4, QStringLiteral("Table11"));
}

} // namespace contents
