#include "editing/frmBank.h"

#include "appearance/SkinBackground.h"
#include "platform/forms/Label.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "platform/hosting/ControlHost.h"

#include <QFontMetrics>

namespace editing {

namespace {

// The client area of the design, in twips.
constexpr int designWidth = 9120;
constexpr int designHeight = 6720;

// A caption longer than its narrow frame takes smaller type, so it is read
// whole rather than cut; the frame holds no controls that would take the
// smaller type with it.
void fitCaption(forms::Frame& frame)
{
    constexpr int margins = 16;
    QFont font = frame.font();
    while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(frame.caption()) + margins > frame.width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != frame.font())
        frame.setFont(font);
}

// The same for a check box, whose caption follows its tick box.
void fitCaption(forms::CheckBox& box)
{
    while (box.font().pointSizeF() > 6 && box.sizeHint().width() > box.width()) {
        QFont font = box.font();
        font.setPointSizeF(font.pointSizeF() - 0.5);
        box.setFont(font);
    }
}

} // namespace

frmBank::frmBank()
{
    const QSize design = forms::rectFromTwips(0, 0, designWidth, designHeight).size();
    forms::shapeWindow(*this, {"frmBank", "Test Question Hub", design, forms::Start::CentredOnScreen});
    QWidget& canvas = *forms::makeScrollingCanvas(*this, design);

    FXImage1 = new appearance::SkinBackground(&canvas);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    forms::coverCanvas(canvas, *FXImage1);

    using W = frmBank;
    static const forms::CursorDesign<W> cursors[] = {
        {&W::Data1, "Data1", "Access"},
    };
    forms::buildCursors(*this, cursors);
    static const forms::HiddenBoxDesign<W> hidden[] = {
        {&W::txtLook, "txtLook", "txtLook"},
        {&W::txtCheckQuestionNum, "txtCheckQuestionNum", "", &W::Data1, "qnum"},
    };
    forms::buildHiddenBoxes(*this, hidden);

    // The frames lie under the boxes they group.
    const struct {
        const char* name;
        const char* caption;
        forms::Twips place;
    } frames[] = {
        {"Frame1", "Transporting This Question", {120, 120, 5520, 4560}},
        {"Frame2", "Answer", {5760, 120, 1560, 660}},
        {"Frame3", "Level", {7440, 120, 1560, 660}},
        {"Frame4", "Click Chapter To Number Next Question", {5760, 4200, 3240, 780}},
        {"Frame5", "Displaying Question Banks", {120, 4800, 5520, 1080}},
    };
    QWidget* banksFrame = nullptr;
    for (const auto& row : frames) {
        auto* frame = new forms::Frame(&canvas, QString::fromUtf8(row.caption));
        frame->setObjectName(QString::fromLatin1(row.name));
        forms::setGeometryTwips(*frame, row.place.left, row.place.top, row.place.width, row.place.height);
        fitCaption(*frame);
        banksFrame = frame;
    }

    const struct {
        const char* caption;
        forms::Twips place;
    } labels[] = {
        {"Answer A", {240, 1560, 1200, 240}},        {"Answer B", {240, 2160, 1200, 240}},
        {"Answer C", {240, 2760, 1200, 240}},        {"Answer D", {240, 3360, 1200, 240}},
        {"Notes", {240, 3960, 1200, 240}},           {"Picture File Name", {120, 5940, 1800, 240}},
        {"Video File Name", {120, 6300, 1800, 240}},
    };
    for (const auto& row : labels) {
        auto* label = new forms::Label(&canvas, QString::fromUtf8(row.caption));
        forms::setGeometryTwips(*label, row.place.left, row.place.top, row.place.width, row.place.height);
    }

    // clang-format off
    static const forms::BoxDesign<W> boxes[] = {
        {&W::txtQuestion, "txtQuestion", "Question", {240, 360, 5280, 1140}, nullptr, nullptr,
         forms::TextBox::MultiLine},
        {&W::txtA, "txtA", "Answer A", {1440, 1500, 4080, 540}, nullptr, nullptr, forms::TextBox::MultiLine},
        {&W::txtB, "txtB", "Answer B", {1440, 2100, 4080, 540}, nullptr, nullptr, forms::TextBox::MultiLine},
        {&W::txtC, "txtC", "Answer C", {1440, 2700, 4080, 540}, nullptr, nullptr, forms::TextBox::MultiLine},
        {&W::txtD, "txtD", "Answer D", {1440, 3300, 4080, 540}, nullptr, nullptr, forms::TextBox::MultiLine},
        {&W::txtNotes, "txtNotes", "Notes", {1440, 3900, 4080, 660}, nullptr, nullptr, forms::TextBox::MultiLine},
        {&W::txtAnswer, "txtAnswer", "Answer", {5880, 360, 1320, 315}},
        {&W::txtLevel, "txtLevel", "Level", {7560, 360, 1320, 315}},
        {&W::txtChapter, "txtChapter", "Chapter", {5760, 900, 3240, 315}},
        {&W::txtNumber, "txtNumber", "Question number", {7560, 4500, 1320, 315}},
        {&W::txtPicture, "txtPicture", "Picture File Name", {1920, 5940, 3720, 315}},
        {&W::txtVideo, "txtVideo", "Video File Name", {1920, 6300, 3720, 315}},
    };
    // clang-format on
    forms::buildBoxes(*this, canvas, boxes);
    for (forms::TextBox* box : {txtQuestion, txtA, txtB, txtC, txtD, txtNotes, txtLevel})
        box->setText(QStringLiteral("Text1"));
    txtChapter->setText(QStringLiteral("Select Chapter From List Below"));
    txtPicture->setText(QStringLiteral("txtPicture"));
    txtVideo->setText(QStringLiteral("txtVideo"));

    List1 = new forms::ListBox(&canvas);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Chapter titles"));
    forms::setGeometryTwips(*List1, 5760, 1260, 3240, 2880);
    connect(List1, &forms::ListBox::click, this, &W::List1_Click);

    chkPic = new forms::CheckBox(&canvas, QStringLiteral("Include Picture?"));
    chkPic->setObjectName(QStringLiteral("chkPic"));
    // Up to the number box beside it; the caption takes smaller type where
    // even that is too narrow, so it is read whole.
    forms::setGeometryTwips(*chkPic, 5880, 4500, 1680, 315);
    fitCaption(*chkPic);

    pic1 = new forms::PictureBox(&canvas);
    pic1->setObjectName(QStringLiteral("pic1"));
    pic1->setAccessibleName(QStringLiteral("Picture"));
    pic1->setAlignment(Qt::AlignCenter);
    forms::setGeometryTwips(*pic1, 5760, 5040, 1260, 1200);

    static const forms::ButtonDesign<W> buttons[] = {
        {&W::Command1, "Command1", "Transport Question", {7080, 5040, 1920, 495}, &W::Command1_Click},
        {&W::Command2, "Command2", "&Cancel", {7080, 5640, 1920, 495}, &W::Command2_Click, "", "", forms::Cancel},
    };
    forms::buildButtons(*this, canvas, buttons);

    designBankOptions(*banksFrame);

    // clang-format off
    forms::setTabOrder(*this, {"List1", "txtNumber", "chkPic", "Command1", "Command2", "txtChapter", "txtQuestion",
                               "txtA", "txtB", "txtC", "txtD", "txtNotes", "txtAnswer", "txtLevel", "txtPicture",
                               "txtVideo"});
    // clang-format on

    // A larger window (maximised) shows the hub larger; a smaller one scrolls.
    // Made last, so it takes every control's design place, the hosted
    // option buttons included.
    ReSize1 = new forms::ReSize(canvas, design);
    ReSize1->setObjectName(QStringLiteral("ReSize1"));
}

frmBank::~frmBank() = default;

} // namespace editing
