#include "questionwindow/frmSpeak.h"

#include "platform/forms/CommandButton.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "platform/speech/CharacterControl.h"

namespace questionwindow {

const QString frmSpeak::closingMarker = QStringLiteral("Hide");

frmSpeak::frmSpeak()
{
    // A fixed tool window, put above the other windows once its character is
    // loaded; only the row of buttons fits its client area, which is as high
    // as the buttons so none is cut at its bottom edge.
    forms::shapeWindow(*this, {"frmSpeak", "Nuvia Reads", forms::rectFromTwips(0, 0, 2055, 375).size(),
                               forms::Start::AsPlaced, true,
                               Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                   | Qt::MSWindowsFixedSizeDialogHint});
    auto* canvas = new QWidget(this);
    setCentralWidget(canvas);

    // Pause, the text box and the marker lie below the client area: unseen,
    // but still on the Tab key's way.
    using W = frmSpeak;
    static const forms::ButtonDesign<W> buttons[] = {
        {&W::cmdSpeak, "cmdSpeak", "&Read", {0, 0, 495, 375}, &W::cmdSpeak_Click},
        {&W::cmdStop, "cmdStop", "&Stop", {495, 0, 495, 375}, &W::cmdStop_Click},
        {&W::cmdHide, "cmdHide", "&Hide", {990, 0, 495, 375}, &W::cmdHide_Click},
        {&W::Command1, "Command1", "E&xit", {1485, 0, 570, 375}, &W::Command1_Click},
        {&W::cmdPause, "cmdPause", "Pause", {0, 480, 735, 375}, &W::cmdPause_Click},
    };
    forms::buildButtons(*this, *canvas, buttons);
    // clang-format off
    static const forms::BoxDesign<W> boxes[] = {
        {&W::txtSpeak, "txtSpeak", "Text read aloud", {0, 960, 2055, 735}, nullptr, nullptr,
         forms::TextBox::MultiLine},
        {&W::Text1, "Text1", "Closing marker", {0, 1800, 1215, 285}},
    };
    // clang-format on
    forms::buildBoxes(*this, *canvas, boxes);
    Text1->setText(QStringLiteral("Text1"));
    forms::setTabOrder(*this, {"cmdSpeak", "cmdStop", "cmdPause", "txtSpeak", "Command1", "Text1", "cmdHide"});

    Timer1 = new forms::Timer(this, 4000, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &forms::Timer::timer, this, &W::Timer1_Timer);

    // A control of its own: the question window's character is another one.
    Agent1 = new speech::CharacterControl(this);
    Agent1->setObjectName(QStringLiteral("Agent1"));
}

frmSpeak::~frmSpeak() = default;

} // namespace questionwindow
