#include "contents/frmContents.h"

#include "appearance/art/TitlePicture.h"
#include "helpmenu/HelpBinding.h"
#include "platform/forms/Twips.h"
#include "questiondb/Cursors.h"

namespace contents {

using questiondb::openCursor;

namespace {

const ContentsDesign design = {
    .shape = {"frmContents", "Table Of Contents", QSize(1024, 768), forms::Start::FittedToScreen},
    .bank = 1,
    .chapterCount = 20,
    .chapterRows = 10,
    .top = 134,
    .testBank2 = {"Test Bank 2", "Test Bank 2"},
    .testBank3 = {"Text Bank 3", "Test bank 3"},
    .bankPanel = "Test Bank #1",
    .thirdPanel = {"", "Corvix 318 - Raze Verudev E/RE Drillmate 4.1", "", "", 5},
    .exitCaptionColor = std::nullopt,
};

} // namespace

frmContents::frmContents() : ContentsWindow(design)
{
    using Self = frmContents;
    static const forms::CursorDesign<Self> cursors[] = {
        {&Self::Data1, "Data1", "Access"},
        {&Self::Data2, "Data2", "Access"},
        {&Self::Data3, "Data3", "Access 2000;"},
        {&Self::Data4, "Data4", "Access 2000;"},
    };
    forms::buildCursors(*this, cursors);

    // The settings store: until the cursors open, the boxes hold their design placeholders.
    static const forms::HiddenBoxDesign<Self> hidden[] = {
        {&Self::txtK, "txtK", "txtK"},
        {&Self::txtRes, "txtRes"},
        {&Self::txtSkin, "txtSkin", "txtSkin", &Self::Data4, "skin"},
        {&Self::txtState, "txtState", "txtState", &Self::Data4, "State"},
        {&Self::txtShowImages, "txtShowImages", "Text1", &Self::Data4, "Images"},
        {&Self::txtBalloon, "txtBalloon", "txtBalloon", &Self::Data4, "balloon"},
        forms::hiddenElement(&Self::txtFont, 0, "txtFont", "txtFont", &Self::Data4, "fontmain"),
        forms::hiddenElement(&Self::txtFont, 1, "txtFont", "txtFontBold", &Self::Data4, "fontbold"),
        forms::hiddenElement(&Self::txtFont, 2, "txtFont", "txtFontItal", &Self::Data4, "fontItal"),
        forms::hiddenElement(&Self::txtFont, 3, "txtFont", "txtFontsize", &Self::Data4, "fontsize"),
        forms::hiddenElement(&Self::txtFont, 4, "txtFont", "txtFontcolor", &Self::Data4, "fontcolor"),
        forms::hiddenElement(&Self::txtFont, 5, "txtFont", "txtFontbackcolor", &Self::Data4, "backcolor"),
        {&Self::txtAgentInstall, "txtAgentInstall", "txtAgentInstall", &Self::Data3, "AgentInstall"},
        {&Self::txtVoice, "txtVoice", "Mary"},
    };
    forms::buildHiddenBoxes(*this, hidden);

    QWidget* canvas = buildCanvas();
    FXImage1 = new forms::ImageBox(canvas);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    FXImage1->setAccessibleName(QStringLiteral("drillbook"));
    forms::setGeometryTwips(*FXImage1, 3000, 240, 7200, 1440);
    FXImage1->setStretch(true);
    FXImage1->showDrawnPicture(art::titlePicture(FXImage1->size()));
    buildButtons(*canvas);

    // The speech item heads File; the font and colour items stand in the middle of Options.
    buildContentsMenus<Self>(
        *this,
        {
            {"mnuLoadNuvia", "Load Agent Programs", &Self::mnuLoadNuvia, &Self::mnuLoadNuvia_Click},
            {"-"},
        },
        {
            {"mnuChangeFonts", "Change Screen Fonts", &Self::mnuChangeFonts, &Self::mnuChangeFonts_Click},
            {"mnuResetFonts", "Reset Screen Fonts", &Self::mnuResetFonts, &Self::mnuResetFonts_Click},
            {"-"},
            {"mnuChangeFontColor", "Change Font Color", &Self::mnuChangeFontColor, &Self::mnuChangeFontColor_Click},
            {"mnuChangeCanvas", "Change Canvas Color", &Self::mnuChangeCanvas, &Self::mnuChangeCanvas_Click},
            {"-"},
        });
}

frmContents::~frmContents() = default;

void frmContents::Form_Load()
{
    // Help requests of every window go through this one.
    helpmenu::InitHelp(this);
    // Titles, print settings, flags, settings: the cursors stay open all run.
    openCursor(*Data1, QStringLiteral("Table3"));
    openCursor(*Data2, QStringLiteral("Table6"));
    openCursor(*Data3, QStringLiteral("Table13"));
    openCursor(*Data4, QStringLiteral("Table11"));
}

} // namespace contents
