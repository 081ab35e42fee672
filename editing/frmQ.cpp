#include "editing/frmQ.h"

#include "appearance/SkinBackground.h"
#include "appearance/art/ChapterDragPicture.h"
#include "appearance/art/PalettePictures.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"

#include <QPixmap>

namespace editing {

namespace {

// The client area of the design, in twips.
constexpr int designWidth = 3000;
constexpr int designHeight = 3375;

} // namespace

frmQ::frmQ()
{
    const QSize design = forms::rectFromTwips(0, 0, designWidth, designHeight).size();
    // Above every window of the program, so titles can be dragged from it
    // onto the chapter buttons whichever window is in front.
    forms::shapeWindow(*this, {"frmQ", "Chapter Palette", design, forms::Start::AsPlaced, true,
                               Qt::Window | Qt::WindowStaysOnTopHint});
    QWidget& canvas = *forms::makeScrollingCanvas(*this, design);

    FXImage1 = new appearance::SkinBackground(&canvas);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    forms::coverCanvas(canvas, *FXImage1);

    using W = frmQ;
    static const forms::CursorDesign<W> cursors[] = {
        {&W::Data1, "Data1", "Access"},
        {&W::Data2, "Data2", "Access"},
    };
    forms::buildCursors(*this, cursors);
    static const forms::HiddenBoxDesign<W> hidden[] = {
        {&W::txtKo2, "txtKo2", "", &W::Data1, "Chapter"},
        {&W::txtLook, "txtLook", "txtLook"},
        {&W::txtLocate, "txtLocate", "txtLocate"},
    };
    forms::buildHiddenBoxes(*this, hidden);

    // clang-format off
    static const forms::ButtonDesign<W> buttons[] = {
        {&W::cmdNew, "cmdNew", "&Add New", {60, 60, 930, 375}, &W::cmdNew_Click},
        {&W::cmdSave, "cmdSave", "&Save", {1035, 60, 930, 375}, &W::cmdSave_Click, "", "", forms::Disabled},
        // Escape removes the chapter while the button is enabled.
        {&W::cmdDelete, "cmdDelete", "&Delete", {2010, 60, 930, 375}, &W::cmdDelete_Click, "", "",
         forms::Disabled | forms::Cancel},
        {&W::cmdExit, "cmdExit", "&Cancel", {1035, 2895, 930, 375}, &W::cmdExit_Click},
    };
    // clang-format on
    forms::buildButtons(*this, canvas, buttons);

    // clang-format off
    static const forms::BoxDesign<W> boxes[] = {
        {&W::txtChapter, "txtChapter", "Chapter title", {60, 495, 2880, 345}, nullptr, nullptr,
         forms::TextBox::SingleLine, forms::Locked},
    };
    // clang-format on
    forms::buildBoxes(*this, canvas, boxes);
    showTyping(false);
    txtChapter->setBackColor(0xFFFFFF);
    connect(txtChapter, &forms::TextBox::keyPress, this, &W::txtChapter_KeyPress);

    lstA = new forms::ListBox(&canvas);
    lstA->setObjectName(QStringLiteral("lstA"));
    lstA->setAccessibleName(QStringLiteral("Chapter titles"));
    forms::setGeometryTwips(*lstA, 60, 900, 2880, 1890);
    lstA->setDragIcon(QPixmap::fromImage(art::chapterDragPicture()));
    connect(lstA, &forms::ListBox::click, this, &W::lstA_Click);
    connect(lstA, &forms::ListBox::dblClick, this, &W::lstA_DblClick);
    connect(lstA, &forms::ListBox::mouseDown, this, &W::lstA_MouseDown);

    const struct {
        forms::PictureBox* W::*member;
        const char* name;
        QImage picture;
        int left;
        const char* toolTip;
        void (W::*dragDrop)(const QString&);
    } targets[] = {
        {&W::Waste, "Waste", art::wasteBasketPicture(), 60, "Delete Only The Button Caption, Keep All Questions.",
         &W::Waste_DragDrop},
        {&W::Image1, "Image1", art::chapterRemovalPicture(), 2460,
         "Delete The Button Caption And All The Questions For This Chapter.  Use With Care!", &W::Image1_DragDrop},
    };
    for (const auto& row : targets) {
        auto* picture = new forms::PictureBox(&canvas);
        picture->setObjectName(QString::fromLatin1(row.name));
        picture->setToolTip(QString::fromUtf8(row.toolTip));
        picture->setAccessibleName(QString::fromUtf8(row.toolTip));
        forms::setGeometryTwips(*picture, row.left, 2850, 480, 480);
        picture->showDrawnPicture(row.picture);
        picture->setEnabled(false); // the load step offers them
        picture->setAcceptsTitleDrops(true);
        connect(picture, &forms::PictureControl::dragDrop, this, row.dragDrop);
        this->*row.member = picture;
    }

    forms::setTabOrder(*this, {"cmdExit", "lstA", "cmdNew", "cmdDelete", "txtChapter", "cmdSave"});
}

frmQ::~frmQ() = default;

} // namespace editing
