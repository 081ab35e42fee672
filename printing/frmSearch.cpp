// The design of "Dodu Rerarer Terminology": the title, the typing box above
// the list of terms, the term and its definition beside them, the two
// buttons, and the File and Help menus.

#include "printing/frmSearch.h"

#include "appearance/SkinBackground.h"
#include "platform/data/Connection.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "widgets/XP_ProgressBar.h"

#include <QMenuBar>

namespace printing {

namespace {

// The client area of the design, in twips.
constexpr int designWidth = 9600;
constexpr int designHeight = 6300;

constexpr int listLeft = 240;
constexpr int listWidth = 3600;
constexpr int textLeft = listLeft + listWidth + 240;
constexpr int textWidth = designWidth - textLeft - 240;

} // namespace

frmSearch::frmSearch()
{
    const QSize design = forms::rectFromTwips(0, 0, designWidth, designHeight).size();
    forms::shapeWindow(*this, {"frmSearch", "Dodu Rerarer Terminology", design, forms::Start::CentredOnScreen});
    QWidget& canvas = *forms::makeScrollingCanvas(*this, design);

    FXImage1 = new appearance::SkinBackground(&canvas);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    forms::coverCanvas(canvas, *FXImage1);

    using W = frmSearch;
    static const forms::HiddenBoxDesign<W> hidden[] = {
        {&W::txtMeaning, "txtMeaning"},
        {&W::txtChapter, "txtChapter"},
        {&W::txtClip, "txtClip", "txtClip"},
    };
    forms::buildHiddenBoxes(*this, hidden);

    static const forms::BoxDesign<W> boxes[] = {
        {&W::Text1, "Text1", "Term", {listLeft, 840, listWidth, 375}},
    };
    forms::buildBoxes(*this, canvas, boxes);
    connect(Text1, &forms::TextBox::change, this, &W::Text1_Change);
    connect(Text1, &forms::TextBox::keyPress, this, &W::Text1_KeyPress);

    List1 = new forms::ListBox(&canvas);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Terms"));
    List1->setSorted(true);
    // Every entry is one line of the same height: the list lays out a large
    // library without measuring each term.
    List1->setUniformItemSizes(true);
    forms::setGeometryTwips(*List1, listLeft, 1320, listWidth, 4200);
    connect(List1, &forms::ListBox::click, this, &W::List1_Click);

    static const forms::ButtonDesign<W, forms::Label> labels[] = {
        {&W::FXLabel1, "FXLabel1", "Dodu Rerarer Terminology", {listLeft, 120, designWidth - 480, 600}},
        {&W::lblWord, "lblWord", "", {textLeft, 840, textWidth, 480}, nullptr, "", "Term"},
        {&W::lblDef, "lblDef", "", {textLeft, 1440, textWidth, 3480}, nullptr, "", "Definition"},
        {&W::lblChapter, "lblChapter", "", {textLeft, 4980, textWidth, 300}, nullptr, "", "Chapter", forms::Hidden},
    };
    forms::buildButtons(*this, canvas, labels);
    FXLabel1->setFont(QFont(QStringLiteral("Times New Roman"), 18, QFont::Bold));
    FXLabel1->setAlignment(Qt::AlignCenter);
    lblWord->setFont(QFont(QStringLiteral("Times New Roman"), 14, QFont::Bold));
    lblWord->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblDef->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    lblDef->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDef->setWordWrap(true);

    static const forms::ButtonDesign<W> buttons[] = {
        {&W::cmdGet, "cmdGet", "&Get Definifion", {textLeft, 5040, 2520, 480}, &W::cmdGet_Click},
        {&W::cmdCancel, "cmdCancel", "&Cancel", {textLeft + 2760, 5040, 2520, 480}, &W::cmdCancel_Click},
    };
    forms::buildButtons(*this, canvas, buttons);

    ProgressBar1 = new XP_ProgressBar(&canvas);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(QStringLiteral("Printing progress"));
    forms::setGeometryTwips(*ProgressBar1, listLeft, 5700, forms::toTwips(377), forms::toTwips(17));
    ProgressBar1->setVisible(false);

    const forms::MenuTitle<W> menus[] = {
        {&W::mnuFile,
         "mnuFile",
         "&File",
         {
             {"mnuPrintGlossary", "Print Terminology Glossary", &W::mnuPrintGlossary, &W::mnuPrintGlossary_Click},
             {"-"},
             {"mnuPrintRandom", "Print Random Written Test", &W::mnuPrintRandom, &W::mnuPrintRandom_Click},
             {"mnuJeopardy", "Print Jeopardy Style Test", &W::mnuJeopardy, &W::mnuJeopardy_Click},
             {"-"},
             {"mnuShoPackage", "Show Build Test Package Window", &W::mnuShoPackage, &W::mnuShoPackage_Click},
             {"-"},
             {"mnuEnd", "Exit Program", &W::mnuEnd, &W::mnuEnd_Click},
         }},
        {&W::mnuHelp,
         "mnuHelp",
         "&Help",
         {
             {"mnuContents", "Contents", &W::mnuContents, &W::mnuContents_Click},
             {"-"},
             {"mnuAbout", "&About", &W::mnuAbout, &W::mnuAbout_Click},
         }},
    };
    forms::buildMenus(*this, menus);
    // The design is the client area below the menu bar.
    resize(design + QSize(0, menuBar()->sizeHint().height()));
    forms::centreOn(*this, forms::screenArea());

    forms::setTabOrder(*this, {"Text1", "List1", "cmdGet", "cmdCancel"});

    ReSize1 = new forms::ReSize(canvas, design);
    ReSize1->setObjectName(QStringLiteral("ReSize1"));
}

frmSearch::~frmSearch() = default;

} // namespace printing
