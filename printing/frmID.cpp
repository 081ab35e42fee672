#include "printing/frmID.h"

#include "appearance/SkinBackground.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"

namespace printing {

namespace {

// The client area of the design, in twips.
constexpr int designWidth = 7080;
constexpr int designHeight = 5280;

// The boxes stand in one column under each other, their captions left of them.
constexpr int captionLeft = 120;
constexpr int boxLeft = 1380;
constexpr int boxWidth = 3000;
constexpr int rowTop = 120;
constexpr int rowStep = 390;
constexpr int boxHeight = 315;

constexpr forms::Twips row(int index, int height = boxHeight)
{
    return {boxLeft, rowTop + index * rowStep, boxWidth, height};
}

// The list and the buttons stand right of the boxes.
constexpr int listLeft = 4560;
constexpr int buttonWidth = 1170;
constexpr int buttonHeight = 375;
constexpr int secondButton = listLeft + buttonWidth + 60;

} // namespace

frmID::frmID()
{
    const QSize design = forms::rectFromTwips(0, 0, designWidth, designHeight).size();
    forms::shapeWindow(*this, {"frmID", "User Information", design, forms::Start::CentredOnScreen, true});
    QWidget& canvas = *forms::makeScrollingCanvas(*this, design);

    FXImage1 = new appearance::SkinBackground(&canvas);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    forms::coverCanvas(canvas, *FXImage1);

    using W = frmID;
    static const forms::CursorDesign<W> cursors[] = {
        {&W::Data1, "Data1", "Access 2000;"},
        {&W::Data2, "Data2", "Access 2000;"},
    };
    forms::buildCursors(*this, cursors);
    connect(Data1, &data::DataControl::validate, this, &W::Data1_Validate);
    static const forms::HiddenBoxDesign<W> hidden[] = {
        {&W::txtLook, "txtLook", "txtLook"},
    };
    forms::buildHiddenBoxes(*this, hidden);

    using Box = forms::BoxDesign<W>;
    static const Box boxes[] = {
        {&W::txtName, "txtName", "First Name", row(0), &W::Data1, "first"},
        {&W::txtLast, "txtLast", "Last Name", row(1), &W::Data1, "last"},
        {&W::txtCompany, "txtCompany", "Company", row(2), &W::Data1, "company"},
        {&W::txtAddress, "txtAddress", "Address", row(3), &W::Data1, "address"},
        {&W::txtCity, "txtCity", "City", row(4), &W::Data1, "city"},
        {&W::txtState, "txtState", "State", row(5), &W::Data1, "state"},
        {&W::txtZip, "txtZip", "Zip", row(6), &W::Data1, "zip"},
        {&W::txtPhone, "txtPhone", "Phone", row(7), &W::Data1, "phone"},
        {&W::txtFax, "txtFax", "Fax", row(8), &W::Data1, "fax"},
        {&W::txtEmail, "txtEmail", "E-Mail", row(9), &W::Data1, "email"},
        {&W::txtComments, "txtComments", "Comments", row(10, 1050), &W::Data1, "comments", forms::TextBox::MultiLine},
    };
    forms::buildBoxes(*this, canvas, boxes);
    for (int i = 0; i < int(std::size(boxes)); ++i) {
        auto* caption = new forms::Label(&canvas, QString::fromUtf8(boxes[i].accessibleName));
        caption->setObjectName(QStringLiteral("Label1"));
        forms::setGeometryTwips(*caption, captionLeft, rowTop + i * rowStep + 30, boxLeft - captionLeft - 60,
                                boxHeight - 30);
        Label1.add(i, caption);
    }
    for (forms::TextBox* box :
         {txtName, txtLast, txtCompany, txtAddress, txtCity, txtState, txtZip, txtPhone, txtFax, txtEmail})
        connect(box, &forms::TextBox::keyPress, this, &W::userBox_KeyPress);

    List1 = new forms::ListBox(&canvas);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Last names"));
    forms::setGeometryTwips(*List1, listLeft, rowTop, 2400, 2640);
    connect(List1, &forms::ListBox::click, this, &W::List1_Click);

    constexpr int moves = rowTop + 2640 + 120;
    constexpr int edits = moves + 2 * (buttonHeight + 60) + 120;
    // clang-format off
    static const forms::ButtonDesign<W> buttons[] = {
        {&W::cmdFirst, "cmdFirst", "First", {listLeft, moves, buttonWidth, buttonHeight}, &W::cmdFirst_Click},
        {&W::cmdBack, "cmdBack", "<Back<", {secondButton, moves, buttonWidth, buttonHeight}, &W::cmdBack_Click},
        {&W::cmdNext, "cmdNext", ">Next>", {listLeft, moves + buttonHeight + 60, buttonWidth, buttonHeight},
         &W::cmdNext_Click},
        {&W::cmdLast, "cmdLast", "Last", {secondButton, moves + buttonHeight + 60, buttonWidth, buttonHeight},
         &W::cmdLast_Click},
        {&W::cmdNew, "cmdNew", "&New", {listLeft, edits, buttonWidth, buttonHeight}, &W::cmdNew_Click},
        {&W::cmdSave, "cmdSave", "&Save", {secondButton, edits, buttonWidth, buttonHeight}, &W::cmdSave_Click},
        {&W::cmdDelete, "cmdDelete", "Delete", {listLeft, edits + buttonHeight + 60, buttonWidth, buttonHeight},
         &W::cmdDelete_Click},
        {&W::cmdReset, "cmdReset", "Reset", {secondButton, edits + buttonHeight + 60, buttonWidth, buttonHeight},
         &W::cmdReset_Click},
        {&W::cmdOK, "cmdOK", "&OK", {listLeft, edits + 2 * (buttonHeight + 60), 2 * buttonWidth + 60, buttonHeight},
         &W::cmdOK_Click},
    };
    // clang-format on
    forms::buildButtons(*this, canvas, buttons);

    // clang-format off
    forms::setTabOrder(*this, {"txtName", "txtLast", "txtCompany", "txtAddress", "txtCity", "txtState", "txtZip",
                               "txtPhone", "txtFax", "txtEmail", "txtComments", "List1", "cmdFirst", "cmdBack",
                               "cmdNext", "cmdLast", "cmdNew", "cmdSave", "cmdDelete", "cmdReset", "cmdOK"});
    // clang-format on
}

frmID::~frmID() = default;

std::vector<forms::TextBox*> frmID::boxes() const
{
    return {txtName, txtLast,  txtCompany, txtAddress, txtCity,    txtState,
            txtZip,  txtPhone, txtFax,     txtEmail,   txtComments};
}

} // namespace printing
