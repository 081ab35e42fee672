#include "contents/ContentsWindow.h"

#include "appearance/SkinBackground.h"
#include "contents/ChapterButtons.h"
#include "contents/ContentsClock.h"
#include "contents/ContentsLayout.h"

namespace contents {

using forms::Qv3dLabel;

ContentsWindow::ContentsWindow(const ContentsDesign& design) : design_(design)
{
    forms::shapeWindow(*this, design.shape);
}

ContentsWindow::~ContentsWindow() = default;

QWidget* ContentsWindow::buildCanvas()
{
    // A small screen scrolls rather than squeezing the buttons.
    QWidget* canvas = forms::makeScrollingCanvas(*this, QSize(layout::canvasWidth, layout::canvasHeight));
    QFont buttonFont = canvas->font();
    buttonFont.setPointSize(10);
    buttonFont.setBold(true);
    canvas->setFont(buttonFont);

    fxBack = new appearance::SkinBackground(canvas);
    fxBack->setObjectName(QStringLiteral("fxBack"));
    forms::coverCanvas(*canvas, *fxBack);
    return canvas;
}

void ContentsWindow::buildButtons(QWidget& canvas)
{
    // Made in reading order, which is also the order Tab walks them.
    chapters = new ChapterButtons(&canvas, design_.bank, design_.chapterCount, *Data1, *txtK);
    std::vector<QWidget*> placed(chapters->all().begin(), chapters->all().end());
    layout::placeChapterButtons(placed, design_.top, design_.chapterRows, 10);

    using Self = ContentsWindow;
    // The bank buttons stand under "The Entire Test", Exit on the bottom line.
    const auto side = [top = design_.top](int row) { return layout::sideButton(top + row * layout::sideButtonStep); };
    const forms::ButtonDesign<Self, Qv3dLabel> buttons[] = {
        {&Self::cmdAll, "cmdAll", "The Entire Test", side(0), &Self::cmdAll_Click},
        {&Self::cmdTestBank2, "cmdTestBank2", design_.testBank2.design, side(1), &Self::cmdTestBank2_Click},
        {&Self::cmdTestBank3, "cmdTestBank3", design_.testBank3.design, side(2), &Self::cmdTestBank3_Click},
        {&Self::cmdExit, "cmdExit", "&Exit", layout::sideButton(layout::bottom - layout::sideButtonHeight),
         &Self::cmdExit_Click},
    };
    forms::buildButtons(*this, canvas, buttons);
    // The held-down look.
    const struct {
        Qv3dLabel* button;
        void (Self::*down)();
        void (Self::*up)();
    } held[] = {
        {cmdAll, &Self::cmdAll_MouseDown, &Self::cmdAll_MouseUp},
        {cmdTestBank2, &Self::cmdTestBank2_MouseDown, &Self::cmdTestBank2_MouseUp},
        {cmdTestBank3, &Self::cmdTestBank3_MouseDown, &Self::cmdTestBank3_MouseUp},
        {cmdExit, &Self::cmdExit_MouseDown, &Self::cmdExit_MouseUp},
    };
    for (const auto& row : held) {
        connect(row.button, &Qv3dLabel::mouseDown, this,
                [this, down = row.down](int, int, int, int) { (this->*down)(); });
        connect(row.button, &Qv3dLabel::mouseUp, this, [this, up = row.up](int, int, int, int) { (this->*up)(); });
    }
    // The skins never recolour such an Exit, so its colour has to read on
    // the dark textures as well as on the light ones.
    if (design_.exitCaptionColor)
        cmdExit->setCaptionColor(*design_.exitCaptionColor);

    const forms::PanelDesign panels[] = {
        {"", "Table Of Contents", "", "", 2},
        {"", design_.bankPanel, "Current Brisolt Test Bank", "", 2},
        design_.thirdPanel,
        {"Time", "", "Current System Time", "Time", 2},
    };
    Status = forms::buildStatusBar(*this, "Status", panels);
    Timer1 = new forms::Timer(this, clockInterval, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &forms::Timer::timer, this, &Self::Timer1_Timer);

    // A window larger than the design (maximised on a large screen) shows the
    // design larger; a smaller one scrolls.
    ReSize1 = new forms::ReSize(canvas, QSize(layout::canvasWidth, layout::canvasHeight));
    ReSize1->setObjectName(QStringLiteral("ReSize1"));
}

Qv3dLabel* ContentsWindow::cmd(int number) const
{
    return chapters->button(number);
}

std::vector<Qv3dLabel*> ContentsWindow::labelButtons() const
{
    std::vector<Qv3dLabel*> buttons = chapters->all();
    buttons.insert(buttons.end(), {cmdTestBank2, cmdTestBank3, cmdAll, cmdExit});
    return buttons;
}

std::vector<Qv3dLabel*> ContentsWindow::coloredButtons() const
{
    std::vector<Qv3dLabel*> buttons = labelButtons();
    if (design_.exitCaptionColor)
        buttons.pop_back();
    return buttons;
}

} // namespace contents
