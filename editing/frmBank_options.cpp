// The hub's four bank options are option buttons of their own control
// library, made by class id through the registration store with the
// properties kept beside this window's design. The hub answers only their
// Click; without the library the places stay empty and the list keeps the
// titles of bank 1 the load step put there.
#include "editing/frmBank.h"

#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "platform/hosting/ControlHost.h"
#include "platform/hosting/OptionButtons.h"

namespace editing {

void frmBank::designBankOptions(QWidget& frame)
{
    using W = frmBank;
    // Each stream holds the caption, BoxSize 13, Group 0 and a white fill;
    // the rest as a new button has it, none selected.
    const struct {
        hosting::ControlHost* W::*member;
        const char* name;
        const char* accessibleName;
        forms::Twips place; // within the frame
        void (W::*click)();
    } options[] = {
        {&W::optTestBank1, "optTestBank1", "Show Question Bank 1", {120, 240, 2580, 315}, &W::optTestBank1_Click},
        {&W::optTestBank2, "optTestBank2", "Show Question Bank 2", {2760, 240, 2580, 315}, &W::optTestBank2_Click},
        {&W::optTestBank3, "optTestBank3", "Show Question Bank 3", {120, 660, 2580, 315}, &W::optTestBank3_Click},
        {&W::optBoth, "optBoth", "Show All Question Banks", {2760, 660, 2580, 315}, &W::optBoth_Click},
    };
    for (const auto& row : options) {
        const QString name = QString::fromLatin1(row.name);
        auto* host = hosting::placeOptionButton(
            frame, row.name, forms::rectFromTwips(row.place.left, row.place.top, row.place.width, row.place.height),
            QStringLiteral(":/editing/frmBank_%1.bin").arg(name));
        host->setAccessibleName(QString::fromLatin1(row.accessibleName));
        host->onEvent(hosting::optionButtonEvents, hosting::optionButtonClick,
                      [this, click = row.click] { (this->*click)(); });
        this->*row.member = host;
    }
}

} // namespace editing
