#include "contents/frmContentsBank.h"

#include "contents/ChapterButtons.h"
#include "contents/ContentsClock.h"
#include "contents/ContentsLayout.h"
#include "contents/SkinBackground.h"
#include "platform/forms/HiddenBox.h"
#include "questiondb/Cursors.h"

#include <QMenuBar>

namespace contents {

using forms::hiddenBox;
using forms::Qv3dLabel;
using questiondb::bindBox;
using questiondb::newCursor;
using questiondb::openCursor;

namespace {

constexpr int chapterCount = 21;
constexpr int exitCaptionColor = 0x0070F0; // red 240, green 112, blue 0

Qv3dLabel* windowButton(QWidget* canvas, const QString& name, const QString& caption)
{
    auto* button = new Qv3dLabel(canvas, caption);
    button->setObjectName(name);
    return button;
}

QString romanBank(int bank) { return bank == 2 ? QStringLiteral("II") : QStringLiteral("III"); }

} // namespace

frmContentsBank::frmContentsBank(int bank) : bank_(bank)
{
    setObjectName(QStringLiteral("frmContents%1").arg(bank));
    setCaption(QStringLiteral("Test Bank ") + romanBank(bank));

    Data1 = newCursor(this, QStringLiteral("Data1"), QStringLiteral("Access"));
    Data2 = newCursor(this, QStringLiteral("Data2"), QStringLiteral("Access"));

    txtK = hiddenBox(this, QStringLiteral("txtK"), QStringLiteral("txtK"));
    txtSkin = bindBox(Data2, hiddenBox(this, QStringLiteral("txtSkin"), QStringLiteral("txtSkin")), QStringLiteral("skin"));
    txtBalloon = bindBox(Data2, hiddenBox(this, QStringLiteral("txtBalloon"), QStringLiteral("txtBalloon")),
                         QStringLiteral("balloon"));
    txtVoice = bindBox(Data2, hiddenBox(this, QStringLiteral("txtVoice"), QStringLiteral("Mary")), QStringLiteral("Bot"));

    // This copy of the settings row is read when the window loads and goes
    // stale as soon as the main window saves a setting; storing it would
    // undo that setting. The main table of contents is the only writer.
    connect(Data2, &data::DataControl::validate, this, [](int, bool& save) { save = false; });

    buildDesign();
    buildMenus();
    connectHandlers();
    layout::sizeWindow(*this);
}

frmContentsBank::~frmContentsBank() = default;

void frmContentsBank::buildDesign()
{
    QWidget* canvas = layout::makeCanvas(*this);
    QFont buttonFont = canvas->font();
    buttonFont.setPointSize(10);
    buttonFont.setBold(true);
    canvas->setFont(buttonFont);

    fxBack = new SkinBackground(canvas);
    fxBack->setObjectName(QStringLiteral("fxBack"));
    layout::coverCanvas(*canvas, *fxBack);

    // Made in reading order, which is also the order Tab walks them.
    chapters = new ChapterButtons(canvas, bank_, chapterCount, *Data1, *txtK);
    std::vector<QWidget*> placed(chapters->all().begin(), chapters->all().end());
    layout::placeChapterButtons(placed, 24, 11, 10);

    cmdAll = windowButton(canvas, QStringLiteral("cmdAll"), QStringLiteral("The Entire Test"));
    cmdTestBank2 = windowButton(canvas, QStringLiteral("cmdTestBank2"), QStringLiteral("Main Test Bank"));
    cmdTestBank3 = windowButton(canvas, QStringLiteral("cmdTestBank3"),
                                QStringLiteral("Text Bank %1").arg(otherBank()));
    cmdExit = windowButton(canvas, QStringLiteral("cmdExit"), QStringLiteral("&Exit"));
    // The skins never recolour Exit here, so it is given an orange that reads
    // on the dark texture of "Water" as well as on the light ones.
    cmdExit->setCaptionColor(exitCaptionColor);
    layout::placeSideButton(*cmdAll, 24);
    layout::placeSideButton(*cmdTestBank2, 94);
    layout::placeSideButton(*cmdTestBank3, 164);
    layout::placeSideButton(*cmdExit, layout::bottom - layout::sideButtonHeight);

    Status = new forms::StatusBar(this);
    Status->setObjectName(QStringLiteral("Status"));
    Status->addPanel({}, QStringLiteral("Table Of Contents"), {}, 2);
    Status->addPanel({}, QStringLiteral("Test Bank #%1").arg(bank_), QStringLiteral("Current Brisolt Test Bank"), 2);
    Status->addPanel(QStringLiteral("User"), {}, QStringLiteral("Current User"), 5);
    forms::Panel* time = Status->addPanel(QStringLiteral("Time"), {}, QStringLiteral("Current System Time"), 2);
    time->label()->setAccessibleName(QStringLiteral("Time"));
    setStatusBar(Status);

    Timer1 = new forms::Timer(this, clockInterval, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
}

void frmContentsBank::buildMenus()
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
    mnuTerminology = item(mnuFile, QStringLiteral("mnuTerminology"), QStringLiteral("Terminology"));
    separator(mnuFile);
    mnuEnd = item(mnuFile, QStringLiteral("mnuEnd"), QStringLiteral("&End"));

    mnuOptions = title(QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    mnuPallete = item(mnuOptions, QStringLiteral("mnuPallete"), QStringLiteral("Show Chapter Palette"));
    separator(mnuOptions);
    mnuSkins = item(mnuOptions, QStringLiteral("mnuSkins"), QStringLiteral("Change Interface Skin"));

    mnuHelp = title(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    mnuContents = item(mnuHelp, QStringLiteral("mnuContents"), QStringLiteral("Contents"));
    separator(mnuHelp);
    mnuWeb = item(mnuHelp, QStringLiteral("mnuWeb"), QStringLiteral("Connect To Brisolt Website"));
    separator(mnuHelp);
    mnuAbout = item(mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("About"));
}

void frmContentsBank::connectHandlers()
{
    using Self = frmContentsBank;
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
    onChoose(mnuTerminology, &Self::mnuTerminology_Click);
    onChoose(mnuEnd, &Self::mnuEnd_Click);
    onChoose(mnuPallete, &Self::mnuPallete_Click);
    onChoose(mnuSkins, &Self::mnuSkins_Click);
    onChoose(mnuContents, &Self::mnuContents_Click);
    onChoose(mnuWeb, &Self::mnuWeb_Click);
    onChoose(mnuAbout, &Self::mnuAbout_Click);

    connect(Timer1, &forms::Timer::timer, this, &Self::Timer1_Timer);
}

Qv3dLabel* frmContentsBank::cmd(int number) const { return chapters->button(number); }

std::vector<Qv3dLabel*> frmContentsBank::labelButtons() const
{
    std::vector<Qv3dLabel*> buttons = coloredButtons();
    buttons.push_back(cmdExit);
    return buttons;
}

std::vector<Qv3dLabel*> frmContentsBank::coloredButtons() const
{
    std::vector<Qv3dLabel*> buttons = chapters->all();
    buttons.insert(buttons.end(), {cmdTestBank2, cmdTestBank3, cmdAll});
    return buttons;
}

void frmContentsBank::Form_Load()
{
    openCursor(*Data1, QStringLiteral("Table3"));
    openCursor(*Data2, QStringLiteral("Table11"));
}

} // namespace contents
