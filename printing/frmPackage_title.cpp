// The "Test Title" pair: the default titles, or a title of the user's own.
// Neither is chosen when the window opens; the title box shows what the row
// holds. The pair are option buttons of the control library, loaded with
// the properties kept beside this design; the frame holds them as one
// group, so choosing one clears the other. Without the library the frame
// stays empty and the row's title stands.

#include "printing/frmPackage.h"

#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "platform/hosting/ControlHost.h"
#include "platform/hosting/OptionButtons.h"
#include "printing/PrintSettings.h"

namespace printing {

void frmPackage::designTitleOptions(QWidget& canvas)
{
    fraTitle = new forms::Frame(&canvas, QStringLiteral("Test Title"));
    fraTitle->setObjectName(QStringLiteral("fraTitle"));
    forms::setGeometryTwips(*fraTitle, 7440, 3900, 2520, 1020);
    fraTitle->setAutoFillBackground(true);
    fraTitle->setBackgroundRole(QPalette::Button);
    optDefault = hosting::placeOptionButton(*fraTitle, "optDefault", forms::rectFromTwips(120, 300, 2280, 300),
                                            QStringLiteral(":/printing/frmPackage_optDefault.bin"));
    optCustom = hosting::placeOptionButton(*fraTitle, "optCustom", forms::rectFromTwips(120, 630, 2280, 300),
                                           QStringLiteral(":/printing/frmPackage_optCustom.bin"));
    optDefault->onEvent(hosting::optionButtonEvents, hosting::optionButtonClick, [this] { optDefault_Click(); });
    optCustom->onEvent(hosting::optionButtonEvents, hosting::optionButtonClick, [this] { optCustom_Click(); });
}

void frmPackage::optDefault_Click()
{
    txtHeaderTitle->setEnabled(false);
    txtHeaderTitle->setText(QString(untitled));
}

void frmPackage::optCustom_Click()
{
    txtHeaderTitle->setEnabled(true);
    txtHeaderTitle->setText(QString());
    txtHeaderTitle->setFocus();
}

} // namespace printing
