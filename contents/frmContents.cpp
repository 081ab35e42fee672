#include "contents/frmContents.h"

#include "contents/ChapterButtons.h"
#include "contents/ContentsClock.h"
#include "contents/ContentsLayout.h"
#include "contents/HelpBinding.h"
#include "contents/SkinBackground.h"
#include "contents/TitlePicture.h"
#include "platform/forms/HiddenBox.h"
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

Qv3dLabel* windowButton(QWidget* canvas, const QString& name, const QString& caption)
{
    auto* button = new Qv3dLabel(canvas, caption);
    button->setObjectName(name);
    return button;
}

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
    QWidget* canvas = layout::makeCanvas(*this);
    QFont buttonFont = canvas->font();
    buttonFont.setPointSize(10);
    buttonFont.setBold(true);
    canvas->setFont(buttonFont);

    fxBack = new SkinBackground(canvas);
    fxBack->setObjectName(QStringLiteral("fxBack"));
    layout::coverCanvas(*canvas, *fxBack);

    FXImage1 = new forms::ImageBox(canvas);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    FXImage1->setAccessibleName(QStringLiteral("drillbook"));
    forms::setGeometryTwips(*FXImage1, 3000, 240, 7200, 1440);
    FXImage1->setStretch(true);
    FXImage1->setPictureData(titlePicture(FXImage1->size()));

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

    Status = new forms::StatusBar(this);
    Status->setObjectName(QStringLiteral("Status"));
    Status->addPanel({}, QStringLiteral("Table Of Contents"), {}, 2);
    Status->addPanel({}, QStringLiteral("Test Bank #1"), QStringLiteral("Current Brisolt Test Bank"), 2);
    Status->addPanel({}, QStringLiteral("Corvix 318 - Raze Verudev E/RE Drillmate 4.1"), {}, 5);
    forms::Panel* time = Status->addPanel(QStringLiteral("Time"), {}, QStringLiteral("Current System Time"), 2);
    time->label()->setAccessibleName(QStringLiteral("Time"));
    setStatusBar(Status);

    Timer1 = new forms::Timer(this, clockInterval, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
}

void frmContents::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto title = [bar](const QString& name, const QString& caption) {
        auto* added = new forms::Menu(bar, caption);
        added->setObjectName(name);
        return added;
    };
    auto item = [](forms::Menu* parent, const QString& name, const QString& caption) {
        auto* added = new forms::Menu(parent, caption);
        added->setObjectName(name);
        return added;
    };
    auto separator = [](forms::Menu* parent) { new forms::Menu(parent, QStringLiteral("-")); };

    mnuFile = title(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    mnuLoadNuvia = item(mnuFile, QStringLiteral("mnuLoadNuvia"), QStringLiteral("Load Agent Programs"));
    separator(mnuFile);
    mnuTerminology = item(mnuFile, QStringLiteral("mnuTerminology"), QStringLiteral("Terminology"));
    separator(mnuFile);
    mnuEnd = item(mnuFile, QStringLiteral("mnuEnd"), QStringLiteral("&End"));

    mnuOptions = title(QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    mnuPallete = item(mnuOptions, QStringLiteral("mnuPallete"), QStringLiteral("Show Chapter Palette"));
    separator(mnuOptions);
    mnuChangeFonts = item(mnuOptions, QStringLiteral("mnuChangeFonts"), QStringLiteral("Change Screen Fonts"));
    mnuResetFonts = item(mnuOptions, QStringLiteral("mnuResetFonts"), QStringLiteral("Reset Screen Fonts"));
    separator(mnuOptions);
    mnuChangeFontColor = item(mnuOptions, QStringLiteral("mnuChangeFontColor"), QStringLiteral("Change Font Color"));
    mnuChangeCanvas = item(mnuOptions, QStringLiteral("mnuChangeCanvas"), QStringLiteral("Change Canvas Color"));
    separator(mnuOptions);
    mnuSkins = item(mnuOptions, QStringLiteral("mnuSkins"), QStringLiteral("Change Interface Skin"));

    mnuHelp = title(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    mnuContents = item(mnuHelp, QStringLiteral("mnuContents"), QStringLiteral("Contents"));
    separator(mnuHelp);
    mnuWeb = item(mnuHelp, QStringLiteral("mnuWeb"), QStringLiteral("Connect To Brisolt Website"));
    separator(mnuHelp);
    mnuAbout = item(mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("About"));
}

void frmContents::connectHandlers()
{
    using Self = frmContents;
    auto onButton = [this](Qv3dLabel* button, void (Self::*down)(), void (Self::*up)(), void (Self::*click)()) {
        connect(button, &Qv3dLabel::mouseDown, this, [this, down](int, int, int, int) { (this->*down)(); });
        connect(button, &Qv3dLabel::mouseUp, this, [this, up](int, int, int, int) { (this->*up)(); });
        connect(button, &Qv3dLabel::click, this, click);
    };
    onButton(cmdAll, &Self::cmdAll_MouseDown, &Self::cmdAll_MouseUp, &Self::cmdAll_Click);
    onButton(cmdExit, &Self::cmdExit_MouseDown, &Self::cmdExit_MouseUp, &Self::cmdExit_Click);
    onButton(cmdTestBank2, &Self::cmdTestBank2_MouseDown, &Self::cmdTestBank2_MouseUp, &Self::cmdTestBank2_Click);
    onButton(cmdTestBank3, &Self::cmdTestBank3_MouseDown, &Self::cmdTestBank3_MouseUp, &Self::cmdTestBank3_Click);

    auto onChoose = [this](forms::Menu* item, void (Self::*step)()) { connect(item, &forms::Menu::click, this, step); };
    onChoose(mnuLoadNuvia, &Self::mnuLoadNuvia_Click);
    onChoose(mnuTerminology, &Self::mnuTerminology_Click);
    onChoose(mnuEnd, &Self::mnuEnd_Click);
    onChoose(mnuPallete, &Self::mnuPallete_Click);
    onChoose(mnuChangeFonts, &Self::mnuChangeFonts_Click);
    onChoose(mnuResetFonts, &Self::mnuResetFonts_Click);
    onChoose(mnuChangeFontColor, &Self::mnuChangeFontColor_Click);
    onChoose(mnuChangeCanvas, &Self::mnuChangeCanvas_Click);
    onChoose(mnuSkins, &Self::mnuSkins_Click);
    onChoose(mnuContents, &Self::mnuContents_Click);
    onChoose(mnuWeb, &Self::mnuWeb_Click);
    onChoose(mnuAbout, &Self::mnuAbout_Click);

    connect(Timer1, &forms::Timer::timer, this, &Self::Timer1_Timer);
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
