// The looks of the four flat buttons: pressed while the mouse button is
// down, raised while the mouse is over them, plain once it moves on to the
// frame around them.

#include "printing/frmPrint.h"

#include "platform/forms/FailureRegimes.h"

namespace printing {

void frmPrint::wireLooks()
{
    using forms::FlatButton;
    for (FlatButton* button : {butSave, cmdOpen, cmdPrint, cmdExit}) {
        connect(button, &FlatButton::mouseDown, this, [button](const forms::MouseArgs&) {
            forms::bestEffort({[&] { button->setLook(FlatButton::Pressed); }});
        });
        connect(button, &FlatButton::mouseMove, this, [button](const forms::MouseArgs&) {
            if (button->look() == FlatButton::Plain)
                forms::bestEffort({[&] { button->setLook(FlatButton::Hover); }});
        });
        connect(button, &FlatButton::mouseUp, this, [button](const forms::MouseArgs&) {
            forms::bestEffort({[&] { button->setLook(FlatButton::Hover); }});
        });
    }
    connect(fraPrint, &forms::Frame::mouseMove, this, [this](const forms::MouseArgs&) {
        for (FlatButton* button : {butSave, cmdOpen, cmdPrint, cmdExit}) {
            if (button->look() == FlatButton::Hover)
                forms::bestEffort({[&] { button->setLook(FlatButton::Plain); }});
        }
    });
}

} // namespace printing
