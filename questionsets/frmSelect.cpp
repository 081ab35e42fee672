#include "questionsets/frmSelect.h"

#include "appearance/SkinBackground.h"
#include "appearance/art/ChapterDragPicture.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "questionsets/MultiChapterTest.h"

#include <QLineEdit>
#include <QPixmap>

namespace questionsets {

namespace {

// The client area of the design, in twips.
constexpr int designWidth = 9855;
constexpr int designHeight = 6195;

void centreText(forms::TextBox& box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box.editor()))
        line->setAlignment(Qt::AlignCenter);
}

// Controls that stand on the skin's picture with captions of their own get
// the button face behind them, so the captions read on dark skins as on
// light ones.
void onButtonFace(QWidget& control)
{
    control.setAutoFillBackground(true);
    control.setBackgroundRole(QPalette::Button);
}

} // namespace

frmSelect::frmSelect()
{
    const QSize design = forms::rectFromTwips(0, 0, designWidth, designHeight).size();
    forms::shapeWindow(
        *this, {"frmSelect", "Create A Random Test From Multiple Chapters", design, forms::Start::CentredOnScreen});
    QWidget& canvas = *forms::makeScrollingCanvas(*this, design);

    fxBack = new appearance::SkinBackground(&canvas);
    fxBack->setObjectName(QStringLiteral("fxBack"));
    forms::coverCanvas(canvas, *fxBack);

    static const forms::CursorDesign<frmSelect> cursors[] = {
        {&frmSelect::Data1, "Data1", "Access"},
    };
    forms::buildCursors(*this, cursors);
    static const forms::HiddenBoxDesign<frmSelect> hidden[] = {
        {&frmSelect::txtChapter, "txtChapter", "", &frmSelect::Data1, "Chapter"},
    };
    forms::buildHiddenBoxes(*this, hidden);

    designChapterLists(canvas);
    designTestOptions(canvas);

    // clang-format off
    forms::setTabOrder(*this, {"List1", "List2", "cmdClear", "chkTitle", "txtTitle", "opt1", "opt2", "optAll",
                               "txtNum", "cmdCreate", "cmdExit"});
    // clang-format on
}

frmSelect::~frmSelect() = default;

// ---- The two lists, the chapter count and "Clear Box" ------------------------------

void frmSelect::designChapterLists(QWidget& canvas)
{
    using W = frmSelect;
    static const forms::ButtonDesign<W, forms::Label> labels[] = {
        {&W::Label1, "Label1", "Available Chapters", {240, 120, 3255, 285}},
        {&W::Label2, "Label2", "Chapters To Include In Random Test", {3720, 120, 4440, 285}},
        {&W::Label3, "Label3", "Chapter Count", {8040, 480, 1695, 285}},
    };
    forms::buildButtons(*this, canvas, labels);

    const struct {
        forms::ListBox* W::*member;
        const char* name;
        const char* accessibleName;
        forms::Twips place;
        void (W::*mouseDown)(int, int, int, int);
        void (W::*dragDrop)(const QString&);
    } lists[] = {
        {&W::List1, "List1", "Available Chapters", {240, 420, 3255, 2790}, &W::List1_MouseDown, &W::List1_DragDrop},
        {&W::List2,
         "List2",
         "Chapters To Include In Random Test",
         {3720, 420, 3255, 2790},
         &W::List2_MouseDown,
         &W::List2_DragDrop},
    };
    const QPixmap dragIcon = QPixmap::fromImage(art::chapterDragPicture());
    for (const auto& row : lists) {
        auto* list = new forms::ListBox(&canvas);
        list->setObjectName(QString::fromLatin1(row.name));
        list->setAccessibleName(QString::fromLatin1(row.accessibleName));
        forms::setGeometryTwips(*list, row.place.left, row.place.top, row.place.width, row.place.height);
        list->setDragIcon(dragIcon);
        list->setAcceptsEntryDrops(true);
        connect(list, &forms::ListBox::mouseDown, this, row.mouseDown);
        connect(list, &forms::ListBox::dragDrop, this, row.dragDrop);
        this->*row.member = list;
    }

    // clang-format off
    static const forms::BoxDesign<W> boxes[] = {
        {&W::txtCount, "txtCount", "Chapter Count", {7200, 420, 735, 375}, nullptr, nullptr, forms::TextBox::SingleLine,
         forms::Locked},
    };
    // clang-format on
    forms::buildBoxes(*this, canvas, boxes);
    txtCount->setText(QStringLiteral("0"));
    centreText(*txtCount);

    static const forms::ButtonDesign<W> buttons[] = {
        {&W::cmdClear, "cmdClear", "Clear Box", {3720, 3300, 1455, 375}, &W::cmdClear_Click},
    };
    forms::buildButtons(*this, canvas, buttons);

    QFont bold = Label1->font();
    bold.setBold(true);
    for (forms::Label* label : {Label1, Label2, Label3})
        label->setFont(bold);
}

// ---- Title, level, number of questions, Create and Cancel ---------------------------

void frmSelect::designTestOptions(QWidget& canvas)
{
    using W = frmSelect;
    static const forms::ButtonDesign<W, forms::CheckBox> check[] = {
        {&W::chkTitle, "chkTitle", "Enter Title?", {240, 3840, 1455, 345}, &W::chkTitle_Click},
    };
    forms::buildButtons(*this, canvas, check);
    onButtonFace(*chkTitle);

    fraLevel = new forms::Frame(&canvas, QStringLiteral("Level"));
    fraLevel->setObjectName(QStringLiteral("fraLevel"));
    forms::setGeometryTwips(*fraLevel, 240, 4440, 4635, 1095);
    onButtonFace(*fraLevel);
    static const forms::ButtonDesign<W, forms::OptionButton> levels[] = {
        {&W::opt1, "opt1", "Level 1", {240, 480, 1335, 345}},
        {&W::opt2, "opt2", "Level 2", {1680, 480, 1335, 345}},
        {&W::optAll, "optAll", "Both Levels", {3120, 480, 1395, 345}},
    };
    forms::buildButtons(*this, *fraLevel, levels);
    optAll->setValue(true);

    static const forms::ButtonDesign<W, forms::Label> label[] = {
        {&W::Label4, "Label4", "Enter Number Of Questions ->", {4980, 4500, 3195, 285}},
    };
    forms::buildButtons(*this, canvas, label);
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    constexpr auto line = forms::TextBox::SingleLine;
    static const forms::BoxDesign<W> boxes[] = {
        {&W::txtTitle, "txtTitle", "Test title", {1800, 3840, 5175, 345}, nullptr, nullptr, line, forms::Disabled},
        {&W::txtNum, "txtNum", "Number of questions", {8280, 4440, 975, 375}, nullptr, nullptr, line},
    };
    forms::buildBoxes(*this, canvas, boxes);
    txtTitle->setText(untitledTest);
    centreText(*txtNum);
    connect(txtNum, &forms::TextBox::keyPress, this, &W::txtNum_KeyPress);

    static const forms::ButtonDesign<W> buttons[] = {
        {&W::cmdCreate, "cmdCreate", "Create &Test", {5280, 5160, 1935, 495}, &W::cmdCreate_Click},
        {&W::cmdExit, "cmdExit", "&Cancel", {7320, 5160, 1935, 495}, &W::cmdExit_Click, "", "", forms::Cancel},
    };
    forms::buildButtons(*this, canvas, buttons);
}

} // namespace questionsets
