// The design of "Edit Screen Images": a tab for the picture and one for the
// video, each with the folder and file lists it picks from, and "&OK".

#include "editing/frmStrips.h"

#include "appearance/art/PreviewPicture.h"
#include "platform/forms/App.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "platform/hosting/ControlHost.h"
#include "platform/hosting/OptionButtons.h"

namespace editing {

namespace {

// The client area of the design, in twips.
constexpr int designWidth = 8415;
constexpr int designHeight = 6210;

struct ListPlace {
    int left, top, width, height;
};

// A folder list and the file list that follows it.
void placeList(QWidget& list, const char* name, const char* accessibleName, const ListPlace& place)
{
    list.setObjectName(QString::fromLatin1(name));
    list.setAccessibleName(QString::fromLatin1(accessibleName));
    forms::setGeometryTwips(list, place.left, place.top, place.width, place.height);
}

} // namespace

frmStrips::frmStrips()
{
    const QSize design = forms::rectFromTwips(0, 0, designWidth, designHeight).size();
    forms::shapeWindow(*this, {"frmStrips", "Edit Screen Images", design, forms::Start::CentredOnScreen, true});
    QWidget& canvas = *forms::makeScrollingCanvas(*this, design);

    FXImage1 = new forms::ImageBox(&canvas);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    FXImage1->setStretch(true);
    FXImage1->setPicture(forms::App::current().file(QStringLiteral("\\images\\parch1.jpg")));
    forms::coverCanvas(canvas, *FXImage1);

    SSTab2 = new forms::TabControl(&canvas);
    SSTab2->setObjectName(QStringLiteral("SSTab2"));
    forms::setGeometryTwips(*SSTab2, 120, 120, 8175, 5340);
    designPictureTab(*SSTab2->addPage(QStringLiteral("Picture")));
    designVideoTab(*SSTab2->addPage(QStringLiteral("Video")));

    // "Lead 1" is an option button of the control library with the
    // properties kept beside this design; it answers nothing. Without the
    // library its place stays empty.
    optLead1 = hosting::placeOptionButton(canvas, "optLead1", forms::rectFromTwips(240, 5640, 1500, 375),
                                          QStringLiteral(":/editing/frmStrips_optLead1.bin"));

    using W = frmStrips;
    static const forms::ButtonDesign<W> ok[] = {
        {&W::Command1, "Command1", "&OK", {6720, 5610, 1575, 435}, &W::Command1_Click, "", "", forms::Cancel},
    };
    forms::buildButtons(*this, canvas, ok);

    forms::setTabOrder(*this, {"SSTab2", "Dir1", "File1", "txtFile1", "txtFileName", "Command4", "Dir2", "File2",
                               "txtFile4", "txtFileName2", "Command12", "optLead1", "Command1"});
}

frmStrips::~frmStrips() = default;

void frmStrips::designPictureTab(QWidget& page)
{
    using W = frmStrips;
    static const forms::ButtonDesign<W, forms::Label> labels[] = {
        {&W::Label1, "Label1", "Path", {120, 120, 2895, 255}},
    };
    forms::buildButtons(*this, page, labels);

    Dir1 = new forms::DirListBox(&page);
    placeList(*Dir1, "Dir1", "Picture folders", {120, 420, 2895, 1860});
    connect(Dir1, &forms::DirListBox::change, this, &W::Dir1_Change);
    File1 = new forms::FileListBox(&page);
    placeList(*File1, "File1", "Pictures", {120, 2400, 2895, 1935});
    File1->setPattern(QStringLiteral("*.jpg"));
    connect(File1, &forms::FileListBox::click, this, &W::File1_Click);

    // The names are written by the window alone: a name typed here could
    // never be told from one the record holds.
    // clang-format off
    static const forms::BoxDesign<W> boxes[] = {
        {&W::txtFile1, "txtFile1", "Picture file name", {120, 4440, 2895, 375}, nullptr, nullptr,
         forms::TextBox::SingleLine, forms::Locked},
        {&W::txtFileName, "txtFileName", "Picture path", {3240, 4020, 4695, 375}, nullptr, nullptr,
         forms::TextBox::SingleLine, forms::Locked},
    };
    // clang-format on
    forms::buildBoxes(*this, page, boxes);

    Image1 = new forms::ImageBox(&page);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Picture preview"));
    Image1->setStretch(true);
    Image1->setFrameShape(QFrame::Box);
    forms::setGeometryTwips(*Image1, 3240, 120, 4695, 3780);
    Image1->showDrawnPicture(art::emptyPreviewPicture());

    // clang-format off
    static const forms::ButtonDesign<W> buttons[] = {
        {&W::Command4, "Command4", "Delete Image", {6120, 4470, 1815, 435}, &W::Command4_Click, "",
         "Delete the question's picture"},
    };
    // clang-format on
    forms::buildButtons(*this, page, buttons);
}

void frmStrips::designVideoTab(QWidget& page)
{
    using W = frmStrips;
    static const forms::ButtonDesign<W, forms::Label> labels[] = {
        {&W::Label2, "Label2", "Path", {120, 120, 2895, 255}},
        {&W::Label3, "Label3", "File Name", {3240, 420, 2895, 255}},
    };
    forms::buildButtons(*this, page, labels);

    Dir2 = new forms::DirListBox(&page);
    placeList(*Dir2, "Dir2", "Video folders", {120, 420, 2895, 1860});
    connect(Dir2, &forms::DirListBox::change, this, &W::Dir2_Change);
    File2 = new forms::FileListBox(&page);
    placeList(*File2, "File2", "Videos", {120, 2400, 2895, 1935});
    File2->setPattern(QStringLiteral("*.wmv ;*.mpg"));
    connect(File2, &forms::FileListBox::click, this, &W::File2_Click);

    // clang-format off
    static const forms::BoxDesign<W> boxes[] = {
        {&W::txtFile4, "txtFile4", "Video file name", {3240, 720, 4695, 375}, nullptr, nullptr,
         forms::TextBox::SingleLine, forms::Locked},
        {&W::txtFileName2, "txtFileName2", "Video path", {3240, 1200, 4695, 375}, nullptr, nullptr,
         forms::TextBox::SingleLine, forms::Locked},
    };
    // clang-format on
    forms::buildBoxes(*this, page, boxes);

    // clang-format off
    static const forms::ButtonDesign<W> buttons[] = {
        {&W::Command12, "Command12", "Delete Video", {6120, 1740, 1815, 435}, &W::Command12_Click, "",
         "Delete the question's video"},
    };
    // clang-format on
    forms::buildButtons(*this, page, buttons);
}

} // namespace editing
