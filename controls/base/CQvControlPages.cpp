// The suite's controls show their property pages in a property frame, as
// the control's own modal dialog.
#include "controls/base/CQvControl.h"

#include "controls/base/PropertyFrame.h"

#include <QWidget>

namespace controls {

using namespace com;

Result CQvControl::onProperties()
{
    std::vector<Ptr<com::PropertyPage>> pages;
    for (const Guid& page : propertyPageClasses())
        if (auto made = createPropertyPage(page))
            pages.push_back(made);
    if (pages.empty())
        return kNotImplemented;
    // The frame is named after the control as its container knows it.
    QString name = ambientDisplayName();
    if (name.isEmpty())
        name = QStringLiteral("Control");
    Unknown* const objects[] = {unknown()};
    PropertyFrame frame(window(), name + QStringLiteral(" Properties"), objects, std::move(pages));
    preModalDialog();
    runModal(frame);
    postModalDialog();
    return kOk;
}

} // namespace controls
