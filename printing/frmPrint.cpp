// The design of "Brisolt Print Preview": the caption naming the document,
// the frame with Save, Open, Print and Exit, and the pages below.

#include "printing/frmPrint.h"

#include "appearance/SkinBackground.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "printing/PagePreview.h"

namespace printing {

namespace {

// The client area of the design, in twips: 1000 x 720 pixels, inside a
// 1024 x 768 screen with room for the title bar.
constexpr int designWidth = 15000;
constexpr int designHeight = 10800;

} // namespace

frmPrint::frmPrint() : document_(std::make_unique<print::PrintControl>())
{
    VSPrinter1 = document_.get();
    const QSize design = forms::rectFromTwips(0, 0, designWidth, designHeight).size();
    forms::shapeWindow(*this, {"frmPrint", "Brisolt Print Preview", design, forms::Start::CentredOnScreen});
    QWidget& canvas = *forms::makeScrollingCanvas(*this, design);

    FXImage1 = new appearance::SkinBackground(&canvas);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    forms::coverCanvas(canvas, *FXImage1);

    using W = frmPrint;
    static const forms::HiddenBoxDesign<W> hidden[] = {
        {&W::txtRoute, "txtRoute", "txtRoute"},
    };
    forms::buildHiddenBoxes(*this, hidden);

    static const forms::ButtonDesign<W, forms::Label> label[] = {
        {&W::FXLabel1, "FXLabel1", "Print Preview", {240, 120, 7000, 600}},
    };
    forms::buildButtons(*this, canvas, label);
    FXLabel1->setFont(QFont(QStringLiteral("Times New Roman"), 18, QFont::Bold));
    FXLabel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    fraPrint = new forms::Frame(&canvas);
    fraPrint->setObjectName(QStringLiteral("fraPrint"));
    forms::setGeometryTwips(*fraPrint, 7440, 60, 7320, 720);
    fraPrint->setAutoFillBackground(true);
    fraPrint->setBackgroundRole(QPalette::Button);
    fraPrint->setMouseTracking(true);
    static const forms::ButtonDesign<W, forms::FlatButton> buttons[] = {
        {&W::butSave, "butSave", "&Save", {120, 120, 1680, 480}, &W::butSave_Click, "Save as a saved test"},
        {&W::cmdOpen, "cmdOpen", "&Open", {1920, 120, 1680, 480}, &W::cmdOpen_Click, "Open a saved test"},
        {&W::cmdPrint, "cmdPrint", "&Print", {3720, 120, 1680, 480}, &W::cmdPrint_Click, "Print the document"},
        {&W::cmdExit, "cmdExit", "E&xit", {5520, 120, 1680, 480}, &W::cmdExit_Click, "Leave the preview"},
    };
    forms::buildButtons(*this, *fraPrint, buttons);
    for (forms::FlatButton* button : {butSave, cmdOpen, cmdPrint, cmdExit})
        button->setFont(QFont(QStringLiteral("Times New Roman"), 12, QFont::Bold));
    wireLooks();

    Preview1 = new PagePreview(&canvas);
    Preview1->setObjectName(QStringLiteral("Preview1"));
    Preview1->setAccessibleName(QStringLiteral("Pages"));
    forms::setGeometryTwips(*Preview1, 240, 900, 14520, 9780);
    Preview1->setDocument(&VSPrinter1->document());

    // A larger window (maximised) shows larger pages; a smaller one scrolls.
    ReSize1 = new forms::ReSize(canvas, design);
    ReSize1->setObjectName(QStringLiteral("ReSize1"));
}

frmPrint::~frmPrint() = default;

void frmPrint::refreshPages()
{
    Preview1->setDocument(&VSPrinter1->document());
}

} // namespace printing
