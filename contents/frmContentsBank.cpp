#include "contents/frmContentsBank.h"

#include "contents/ChapterButtons.h"
#include "contents/ContentsLayout.h"
#include "contents/ContentsWindowParts.h"
#include "contents/SkinBackground.h"
#include "platform/forms/HiddenBox.h"
#include "platform/forms/StatusBar.h"
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
    QWidget* canvas = makeSkinnedCanvas(*this, fxBack);

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

    Status = makeContentsStatus(*this, QStringLiteral("Test Bank #%1").arg(bank_),
                                {QStringLiteral("User"), {}, QStringLiteral("Current User")});
    Timer1 = makeClock(*this);
}

void frmContentsBank::buildMenus()
{
    buildContentsMenus(menuBar(), *this, [] {}, [] {});
}

void frmContentsBank::connectHandlers()
{
    connectCommonHandlers(*this);
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
