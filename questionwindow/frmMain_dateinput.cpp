// The date-input control on the question window. It comes from its own
// control library, made by class id through the registration store, with the
// properties kept beside this window's design; the window never reads, sets
// or answers it. Without the library the place stays empty and the window
// works as before.
#include "questionwindow/frmMain.h"

#include "platform/com/Guid.h"
#include "platform/forms/Twips.h"
#include "platform/hosting/ControlHost.h"

#include <QFile>

namespace questionwindow {

namespace {

// The date-input control's class, as its library registers it.
constexpr com::Guid dateInputClass{0x4C2B7A10, 0x1D3E, 0x4F60, {0xA0, 0x51, 0x19, 0x99, 0x04, 0x17, 0x20, 0x01}};

// Its properties as the design keeps them: AutoHScroll TRUE and the Text
// "04/17/2001", the rest as a new control has them.
constexpr auto designedProperties = ":/questionwindow/frmMain_QvDateInput1.bin";

} // namespace

void frmMain::designDateInput(QWidget& canvas)
{
    QvDateInput1 = new hosting::ControlHost(&canvas);
    QvDateInput1->setObjectName(QStringLiteral("QvDateInput1"));
    QvDateInput1->setAccessibleName(QStringLiteral("Date"));
    // Below the reading buttons, beside the reading pace: a place the
    // answers, the picture and the video never take.
    forms::setGeometryTwips(*QvDateInput1, forms::toTwips(296), forms::toTwips(598), forms::toTwips(112),
                            forms::toTwips(24));
    QFile properties(QString::fromLatin1(designedProperties));
    // Unopened, the stream reads as no control's and the place stays empty.
    properties.open(QIODevice::ReadOnly);
    QvDateInput1->create(dateInputClass, &properties);
}

} // namespace questionwindow
