#include "platform/hosting/HostSite.h"

#include "platform/hosting/ControlHost.h"

namespace hosting {

HostSite::HostSite(ControlHost& host) : host_(&host) {}

QString HostSite::displayName()
{
    return host_ ? host_->objectName() : QString();
}

com::Result HostSite::enumObjects(std::uint32_t, std::vector<com::Ptr<com::Unknown>>* out)
{
    if (!out)
        return com::kNullPointer;
    out->clear();
    if (!host_ || !host_->parentWidget())
        return com::kOk;
    for (ControlHost* place : host_->parentWidget()->findChildren<ControlHost*>(Qt::FindDirectChildrenOnly))
        if (com::Dispatch* object = place->object())
            out->emplace_back(static_cast<com::Unknown*>(object));
    return com::kOk;
}

com::Result HostSite::extendedControl(com::Dispatch** out)
{
    if (!out)
        return com::kNullPointer;
    *out = host_ ? host_->object() : nullptr;
    if (!*out)
        return com::kFailed;
    (*out)->addRef();
    return com::kOk;
}

} // namespace hosting
