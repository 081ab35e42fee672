#include "contents/frmContentsBank.h"

#include "contents/frmContents.h"
#include "platform/forms/App.h"
#include "questiondb/Cursors.h"

namespace contents {

using questiondb::openCursor;

namespace {

// Both user banks: 21 chapters from the top, and Exit in an orange that reads
// on the dark texture of "Water" as well as on the light ones.
constexpr ContentsDesign userBank(forms::WindowShape shape, int bank, WindowButtonCaptions otherBank,
                                  const char* bankPanel)
{
    return {
        .shape = shape,
        .bank = bank,
        .chapterCount = 21,
        .chapterRows = 11,
        .top = 24,
        .testBank2 = {"Main Test Bank", "Main Test Bank"},
        .testBank3 = otherBank,
        .bankPanel = bankPanel,
        .thirdPanel = {"User", "", "Current User", "", 5},
        .exitCaptionColor = 0x0070F0, // red 240, green 112, blue 0
    };
}

const ContentsDesign& design(int bank)
{
    static const ContentsDesign bankII =
        userBank({"frmContents2", "Test Bank II", QSize(1024, 768), forms::Start::FittedToScreen}, 2,
                 {"Text Bank 3", "Test Bank 3"}, "Test Bank #2");
    static const ContentsDesign bankIII =
        userBank({"frmContents3", "Test Bank III", QSize(1024, 768), forms::Start::FittedToScreen}, 3,
                 {"Text Bank 2", "Test Bank 2"}, "Test Bank #3");
    return bank == 2 ? bankII : bankIII;
}

} // namespace

frmContentsBank::frmContentsBank(int bank) : ContentsWindow(design(bank))
{
    using Self = frmContentsBank;
    static const forms::CursorDesign<Self> cursors[] = {
        {&Self::Data1, "Data1", "Access"},
        {&Self::Data2, "Data2", "Access"},
    };
    forms::buildCursors(*this, cursors);

    static const forms::HiddenBoxDesign<Self> hidden[] = {
        {&Self::txtK, "txtK", "txtK"},
        {&Self::txtSkin, "txtSkin", "txtSkin", &Self::Data2, "skin"},
        {&Self::txtBalloon, "txtBalloon", "txtBalloon", &Self::Data2, "balloon"},
        {&Self::txtVoice, "txtVoice", "Mary", &Self::Data2, "Bot"},
    };
    forms::buildHiddenBoxes(*this, hidden);
    // This copy of the settings row is read when the window loads and goes
    // stale as soon as the main window saves a setting; storing it would
    // undo that setting. The main table of contents is the only writer.
    connect(Data2, &data::DataControl::validate, this, [](int, bool& save) { save = false; });

    buildButtons(*buildCanvas());
    buildContentsMenus<Self>(*this, {}, {});
}

frmContentsBank::~frmContentsBank() = default;

void frmContentsBank::Form_Load()
{
    openCursor(*Data1, QStringLiteral("Table3"));
    openCursor(*Data2, QStringLiteral("Table11"));
}

ContentsWindow& contentsWindow(int bank)
{
    switch (bank) {
    case 1:
        return forms::form<frmContents>();
    case 2:
        return forms::form<frmContents2>();
    default:
        return forms::form<frmContents3>();
    }
}

} // namespace contents
