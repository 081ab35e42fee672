// The classes the date-input library serves.
#include "controls/dateinput/CQvindatCtrl.h"
#include "controls/dateinput/QvindatClasses.h"
#include "controls/dateinput/QvindatPages.h"
#include "platform/com/server/Server.h"

namespace com::server {

std::span<const ServerClass> serverClasses()
{
    static const ServerClass classes[] = {
        {qvindat::controlClass, qvindat::controlProgId, qvindat::controlTypeName, qvindat::miscStatus, true,
         "{4C2B7A1F-1D3E-4F60-A051-199904172001}", "1.0", &createObject<qvindat::CQvindatCtrl>},
        {qvindat::generalPageClass, qvindat::generalPageProgId, qvindat::generalPageTypeName, 0, false, nullptr,
         nullptr, &createObject<qvindat::CQvindatPropPage>},
        {qvindat::appearancePageClass, qvindat::appearancePageProgId, qvindat::appearancePageTypeName, 0, false,
         nullptr, nullptr, &createObject<qvindat::AppearancePPG>},
    };
    return classes;
}

} // namespace com::server
