// The "Test Title" pair: the default titles, or a title of the user's own.
// Neither is chosen when the window opens; the title box shows what the row
// holds.

#include "printing/frmPackage.h"

#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "printing/PrintSettings.h"

namespace printing {

void frmPackage::designTitleOptions(QWidget& canvas)
{
    using W = frmPackage;
    fraTitle = new forms::Frame(&canvas, QStringLiteral("Test Title"));
    fraTitle->setObjectName(QStringLiteral("fraTitle"));
    forms::setGeometryTwips(*fraTitle, 7440, 3900, 2520, 1020);
    fraTitle->setAutoFillBackground(true);
    fraTitle->setBackgroundRole(QPalette::Button);
    static const forms::ButtonDesign<W, forms::OptionButton> options[] = {
        {&W::optDefault, "optDefault", "Use Default Title", {120, 300, 2280, 300}, &W::optDefault_Click},
        {&W::optCustom, "optCustom", "Custom Title", {120, 630, 2280, 300}, &W::optCustom_Click},
    };
    forms::buildButtons(*this, *fraTitle, options);
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
