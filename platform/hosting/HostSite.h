#pragma once

#include "platform/com/Container.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Object.h"

#include <QPointer>

namespace hosting {

class ControlHost;

// What a window offers the control one of its places holds: the window
// runs (no design mode) and binds none of its properties, so changes need
// no answer. The control finds the controls of the places beside its own
// (same parent), so that option buttons sharing a frame keep one selection
// between them, and the window it sits on, so that it can tell focus coming
// from the same window from focus coming from elsewhere. Each place keeps
// the properties a window keeps of its controls (TabStop, TabIndex, Name);
// every other name reaches the control itself.
class HostSite final
    : public com::Object<com::ControlSite, com::ControlEnumeration, com::ObjectContainer, com::ExtendedControlSite> {
public:
    explicit HostSite(ControlHost& host);

    bool userMode() override { return true; }
    QString displayName() override;
    void propertyChanged(com::DispId) override {}
    void modalDialog(bool) override {}

    // The controls of every place beside this one, this one included; or,
    // asked for the container, the window the places sit on.
    com::Result enumControls(std::uint32_t flags, int selector, std::vector<com::Ptr<com::Unknown>>* out) override;
    com::Result enumObjects(std::uint32_t flags, std::vector<com::Ptr<com::Unknown>>* out) override;
    com::Result extendedControl(com::Dispatch** out) override;

private:
    QPointer<ControlHost> host_;
    com::Ptr<com::Dispatch> extended_;
    com::Ptr<com::Unknown> container_;
};

} // namespace hosting
