#include "questionwindow/frmLoadNuvia.h"

#include "platform/forms/CommandButton.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"

#include <QAbstractScrollArea>
#include <QPalette>

namespace questionwindow {

namespace {

const char* const instructions = "In order for Nuvia the animated agent to work properly on \r\n"
                                 "your computer we need to install two additional small files. \r\n"
                                 "Please select you operating system and clink INSTALL and \r\n"
                                 "follow the on-screen instructions.\r\n"
                                 "Do not skip this step. When both files have been installed \r\n"
                                 "restart the software.\r\n";

} // namespace

frmLoadNuvia::frmLoadNuvia()
{
    const QSize design = forms::rectFromTwips(0, 0, 7320, 2940).size();
    forms::shapeWindow(*this, {"frmLoadNuvia", "Install Agent Files", design, forms::Start::CentredOnScreen, true,
                               Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint});
    auto* canvas = new QWidget(this);
    setCentralWidget(canvas);
    QPalette white = canvas->palette();
    white.setColor(QPalette::Window, Qt::white);
    canvas->setPalette(white);
    canvas->setAutoFillBackground(true);

    using W = frmLoadNuvia;
    // clang-format off
    static const forms::BoxDesign<W> boxes[] = {
        {&W::Text1, "Text1", "Instructions", {120, 120, 7080, 1620}, nullptr, nullptr, forms::TextBox::MultiLine,
         forms::Locked},
    };
    // clang-format on
    forms::buildBoxes(*this, *canvas, boxes);
    Text1->setText(QString::fromLatin1(instructions));
    // The six lines fit the box; only the line end after the last would
    // scroll, to an empty line, so the box has no scroll bars.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(Text1->editor()))
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    static const forms::ButtonDesign<W, forms::OptionButton> options[] = {
        {&W::Option1, "Option1", "Windows XP", {240, 1860, 3600, 285}},
        {&W::Option2, "Option2", "Windows 95, 98, NT, 2000,98 SE, Windows ME", {240, 2220, 5400, 285}},
    };
    forms::buildButtons(*this, *canvas, options);
    static const forms::ButtonDesign<W> buttons[] = {
        {&W::Command1, "Command1", "Install", {5940, 2400, 1200, 375}, &W::Command1_Click},
    };
    forms::buildButtons(*this, *canvas, buttons);
}

SystemChoice frmLoadNuvia::choice() const
{
    if (Option1->value())
        return SystemChoice::WindowsXP;
    if (Option2->value())
        return SystemChoice::OlderWindows;
    return SystemChoice::None;
}

} // namespace questionwindow
