// The design of "Build A Test Package": the choices on the left with the
// build buttons below them, the print settings and the title on the right.

#include "printing/frmPackage.h"

#include "appearance/SkinBackground.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "widgets/XP_ProgressBar.h"

namespace printing {

namespace {

// The client area of the design, in twips.
constexpr int designWidth = 10200;
constexpr int designHeight = 6780;

// The frames of choices run up to the settings column, and each choice
// across its frame, so the longest caption ("...With Notes And With
// Answers") is read whole.
constexpr int choiceFrameWidth = 4740;
constexpr int choiceWidth = choiceFrameWidth - 240;

// Frames and check boxes lie on the skin's picture; the button face behind
// them keeps their captions readable on dark skins as on light ones.
void onButtonFace(QWidget& control)
{
    control.setAutoFillBackground(true);
    control.setBackgroundRole(QPalette::Button);
}

forms::Frame* makeFrame(QWidget& canvas, const char* name, const char* caption, const forms::Twips& place)
{
    auto* frame = new forms::Frame(&canvas, QString::fromUtf8(caption));
    frame->setObjectName(QString::fromLatin1(name));
    forms::setGeometryTwips(*frame, place.left, place.top, place.width, place.height);
    onButtonFace(*frame);
    return frame;
}

} // namespace

frmPackage::frmPackage()
{
    const QSize design = forms::rectFromTwips(0, 0, designWidth, designHeight).size();
    forms::shapeWindow(*this, {"frmPackage", "Build A Test Package", design, forms::Start::CentredOnScreen});
    QWidget& canvas = *forms::makeScrollingCanvas(*this, design);

    FXImage1 = new appearance::SkinBackground(&canvas);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    forms::coverCanvas(canvas, *FXImage1);

    static const forms::CursorDesign<frmPackage> cursors[] = {
        {&frmPackage::Data1, "Data1", "Access 2000;"},
    };
    forms::buildCursors(*this, cursors);

    static const forms::ButtonDesign<frmPackage, forms::Label> title[] = {
        {&frmPackage::FXLabel1, "FXLabel1", "Build A Printed Test Package", {240, 120, 9720, 540}},
    };
    forms::buildButtons(*this, canvas, title);
    FXLabel1->setFont(QFont(QStringLiteral("Times New Roman"), 16, QFont::Bold));
    FXLabel1->setIndent(8);
    onButtonFace(*FXLabel1);

    designChoices(canvas);
    designBuilding(canvas);
    designSettings(canvas);
    designTitleOptions(canvas);

    // clang-format off
    forms::setTabOrder(*this, {"opt1", "opt2", "opt3", "opt4", "chk1", "chk2", "chk3", "chkResults", "optside1",
                               "optside2", "Command5", "Command1", "cmdPicture2", "cmdCancel", "txtFont", "txtSize",
                               "cmdFont", "Command6", "txtHeaderfont", "txtHeaderSize", "cmdHeaderFont",
                               "cmdHeaderColor", "List1", "optDefault", "optCustom", "txtHeaderTitle"});
    // clang-format on
}

frmPackage::~frmPackage() = default;

// ---- What to build -------------------------------------------------------------------

void frmPackage::designChoices(QWidget& canvas)
{
    using W = frmPackage;
    fraTest = makeFrame(canvas, "fraTest", "", {240, 780, choiceFrameWidth, 3120});
    // clang-format off
    static const forms::ButtonDesign<W, forms::OptionButton> variants[] = {
        {&W::opt1, "opt1", "Print\\Save Test Without Answers", {120, 240, choiceWidth, 300}, &W::opt1_Click},
        {&W::opt2, "opt2", "Print\\Save Test With Answers", {120, 585, choiceWidth, 300}, &W::opt2_Click},
        {&W::opt3, "opt3", "Print\\Save Test With Notes But No Answers", {120, 930, choiceWidth, 300}, &W::opt3_Click},
        {&W::opt4, "opt4", "Print\\Save Test With Notes And With Answers", {120, 1275, choiceWidth, 300}, &W::opt4_Click},
    };
    // clang-format on
    forms::buildButtons(*this, *fraTest, variants);
    static const forms::ButtonDesign<W, forms::CheckBox> lists[] = {
        {&W::chk1, "chk1", "Print\\Save Answers Only", {120, 1680, choiceWidth, 300}, &W::chk1_Click},
        {&W::chk2, "chk2", "Print\\Save Answer Sheet", {120, 2025, choiceWidth, 300}, &W::chk2_Click},
        {&W::chk3, "chk3", "Print\\Save Answer Sheet Correction Key", {120, 2370, choiceWidth, 300}, &W::chk3_Click},
        {&W::chkResults, "chkResults", "Print\\Save Test Results", {120, 2715, choiceWidth, 300}, &W::chkResults_Click},
    };
    forms::buildButtons(*this, *fraTest, lists);

    fraCards = makeFrame(canvas, "fraCards", "Create Flashcards", {240, 4020, choiceFrameWidth, 1020});
    static const forms::ButtonDesign<W, forms::OptionButton> sides[] = {
        {&W::optside1, "optside1", "Print Side One Of Flashcards", {120, 300, choiceWidth, 300}, &W::optside1_Click},
        {&W::optside2, "optside2", "Print Side Two Of Flashcards", {120, 630, choiceWidth, 300}, &W::optside2_Click},
    };
    forms::buildButtons(*this, *fraCards, sides);
}

// ---- The build buttons and the progress bar -------------------------------------------

void frmPackage::designBuilding(QWidget& canvas)
{
    using W = frmPackage;
    ProgressBar1 = new XP_ProgressBar(&canvas);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(QStringLiteral("Build progress"));
    forms::setGeometryTwips(*ProgressBar1, 240, 5160, 4560, 300);

    // clang-format off
    static const forms::ButtonDesign<W> buttons[] = {
        {&W::Command5, "Command5", "&Build Test Package ", {240, 5580, 2220, 420}, &W::Command5_Click,
         "Construct A Written Test Package", "", forms::Disabled},
        {&W::Command1, "Command1", "Quick Report", {2580, 5580, 2220, 420}, &W::Command1_Click},
        {&W::cmdPicture2, "cmdPicture2", "Print Picture Album", {240, 6120, 2220, 420}, &W::cmdPicture2_Click},
        {&W::cmdCancel, "cmdCancel", "E&xit", {2580, 6120, 2220, 420}, &W::cmdCancel_Click},
    };
    // clang-format on
    forms::buildButtons(*this, canvas, buttons);
}

// ---- Fonts, colours, border ------------------------------------------------------------

void frmPackage::designSettings(QWidget& canvas)
{
    using W = frmPackage;
    static const forms::ButtonDesign<W, forms::Label> labels[] = {
        {&W::Label3, "Label3", "Printer Font Name", {5040, 780, 3240, 255}},
        {&W::Label4, "Label4", "Size", {8400, 780, 1560, 255}},
        {&W::Label7, "Label7", "TextColor", {7560, 1830, 1680, 360}},
        {&W::Label1, "Label1", "Title Font Name", {5040, 2340, 3240, 255}},
        {&W::Label5, "Label5", "Size", {8400, 2340, 1560, 255}},
        {&W::Label6, "Label6", "Title Text Color", {7560, 3390, 1680, 360}},
        {&W::Label8, "Label8", "Select Border", {5040, 3900, 2160, 255}},
        {&W::Label2, "Label2", "Test Title", {5040, 5640, 4920, 255}},
    };
    forms::buildButtons(*this, canvas, labels);
    QFont bold = Label1->font();
    bold.setBold(true);
    for (forms::Label* label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8})
        label->setFont(bold);
    for (forms::Label* label : {Label6, Label7})
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // clang-format off
    static const forms::BoxDesign<W> boxes[] = {
        {&W::txtFont, "txtFont", "Printer Font Name", {5040, 1035, 3240, 315}, &W::Data1, "font"},
        {&W::txtSize, "txtSize", "Printer Font Size", {8400, 1035, 1560, 315}, &W::Data1, "size"},
        {&W::txtHeaderfont, "txtHeaderfont", "Title Font Name", {5040, 2595, 3240, 315}, &W::Data1, "headerfont"},
        {&W::txtHeaderSize, "txtHeaderSize", "Title Font Size", {8400, 2595, 1560, 315}, &W::Data1, "headersize"},
        {&W::txtHeaderTitle, "txtHeaderTitle", "Test Title", {5040, 5895, 4920, 315}, &W::Data1, "headertitle",
         forms::TextBox::SingleLine, forms::Disabled},
    };
    // clang-format on
    forms::buildBoxes(*this, canvas, boxes);
    static const forms::HiddenBoxDesign<W> hidden[] = {
        {&W::txtColor, "txtColor", "", &W::Data1, "color"},
        {&W::txtColor2, "txtColor2", "", &W::Data1, "headercolor"},
    };
    forms::buildHiddenBoxes(*this, hidden);
    // Every change of a setting, typed or chosen, reaches the row at once.
    for (forms::TextBox* box : {txtFont, txtSize, txtColor, txtHeaderfont, txtHeaderSize, txtColor2, txtHeaderTitle})
        connect(box, &forms::TextBox::change, this, &frmPackage::storeSettings);

    // clang-format off
    static const forms::ButtonDesign<W> buttons[] = {
        {&W::cmdFont, "cmdFont", "Change Font Name", {5040, 1410, 2400, 360}, &W::cmdFont_Click},
        {&W::Command6, "Command6", "Change Font Color", {5040, 1830, 2400, 360}, &W::Command6_Click},
        {&W::cmdHeaderFont, "cmdHeaderFont", "Change Title Font", {5040, 2970, 2400, 360}, &W::cmdHeaderFont_Click,
         "Changes Header Font Style"},
        {&W::cmdHeaderColor, "cmdHeaderColor", "Change Title Text Color", {5040, 3390, 2400, 360},
         &W::cmdHeaderColor_Click},
    };
    // clang-format on
    forms::buildButtons(*this, canvas, buttons);

    // clang-format off
    static const forms::ButtonDesign<W, forms::Label> swatches[] = {
        {&W::colorbox, "colorbox", "", {9360, 1830, 600, 360}, &W::colorbox_Click, "Change Font Color", "Text colour"},
        {&W::colorbox2, "colorbox2", "", {9360, 3390, 600, 360}, &W::colorbox2_Click, "Change Title Text Color",
         "Title colour"},
    };
    // clang-format on
    forms::buildButtons(*this, canvas, swatches);
    for (forms::Label* swatch : {colorbox, colorbox2}) {
        swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
        swatch->setAutoFillBackground(true);
        swatch->setCursor(Qt::PointingHandCursor);
    }

    List1 = new forms::ListBox(&canvas);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Select Border"));
    forms::setGeometryTwips(*List1, 5040, 4155, 2160, 1380);
    connect(List1, &forms::ListBox::click, this, &frmPackage::List1_Click);
}

} // namespace printing
