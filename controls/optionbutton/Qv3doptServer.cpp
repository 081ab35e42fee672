// The classes the option-button library serves.
#include "controls/optionbutton/CQv3dOptionCtrl.h"
#include "controls/optionbutton/Qv3dOptPages.h"
#include "controls/optionbutton/Qv3doptClasses.h"
#include "platform/com/server/Server.h"

namespace com::server {

std::span<const ServerClass> serverClasses()
{
    static const ServerClass classes[] = {
        {qv3dopt::controlClass, qv3dopt::controlProgId, qv3dopt::controlTypeName, qv3dopt::miscStatus, true,
         qv3dopt::typeLibrary, "1.0", &createObject<qv3dopt::CQv3dOptionCtrl>},
        {qv3dopt::generalPageClass, qv3dopt::generalPageProgId, qv3dopt::generalPageTypeName, 0, false, nullptr,
         nullptr, &createObject<qv3dopt::CQv3dOptionPropPage>},
        {qv3dopt::bevelPageClass, qv3dopt::bevelPageProgId, qv3dopt::bevelPageTypeName, 0, false, nullptr, nullptr,
         &createObject<qv3dopt::CQv3dOptionPropPage2>},
    };
    return classes;
}

} // namespace com::server
