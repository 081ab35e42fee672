#pragma once

#include "platform/com/Container.h"
#include "platform/com/Object.h"

#include <QPointer>

namespace hosting {

class ControlHost;

// What a window offers the control one of its places holds: the window
// runs (no design mode) and binds none of its properties, so changes need
// no answer. The control also finds the controls of the places beside its
// own (same parent), so that option buttons sharing a frame keep one
// selection between them.
class HostSite final : public com::Object<com::ControlSite, com::ObjectContainer, com::ExtendedControlSite> {
public:
    explicit HostSite(ControlHost& host);

    bool userMode() override { return true; }
    QString displayName() override;
    void propertyChanged(com::DispId) override {}
    void modalDialog(bool) override {}

    // The controls of every place beside this one, this one included.
    com::Result enumObjects(std::uint32_t flags, std::vector<com::Ptr<com::Unknown>>* out) override;
    // The window keeps no properties of its own for a control: its
    // neighbours reach the control itself.
    com::Result extendedControl(com::Dispatch** out) override;

private:
    QPointer<ControlHost> host_;
};

} // namespace hosting
