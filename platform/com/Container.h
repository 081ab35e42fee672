#pragma once

#include "platform/com/Control.h"

#include <QString>

#include <cstdint>
#include <vector>

class QWidget;

namespace com {

// What a control offers of itself beyond its members: the site its
// container gave it, the name its class is known by, and its window (none
// before the container made it). Controls that keep their own groups reach
// one another through it.
struct OleObject : Unknown {
    static constexpr Guid iid{0xD1C4B8E0, 0x3F1A, 0x4C52, {0x8E, 0x61, 0x11, 0x0A, 0x5B, 0x27, 0x90, 0x09}};

    virtual Result clientSite(ControlSite** out) = 0;
    // The full user-type name of the object's class.
    virtual Result userType(QString* out) = 0;
    virtual Result getWindow(QWidget** out) = 0;

protected:
    ~OleObject() = default;
};

// A site's extended control: the properties the container keeps of each
// control it hosts (TabStop, TabIndex, Name...), every other name passed on
// to the control itself.
struct ExtendedControlSite : Unknown {
    static constexpr Guid iid{0xD1C4B8E0, 0x3F1A, 0x4C52, {0x8E, 0x61, 0x11, 0x0A, 0x5B, 0x27, 0x90, 0x0A}};

    virtual Result extendedControl(Dispatch** out) = 0;

protected:
    ~ExtendedControlSite() = default;
};

// Which objects an enumeration of a container lists (they add up).
inline constexpr std::uint32_t kContainEmbeddings = 1;
inline constexpr std::uint32_t kContainOthers = 4;
inline constexpr std::uint32_t kContainOnlyUser = 8;
inline constexpr std::uint32_t kContainOnlyRunning = 16;

// The controls a container hosts, as a site lists them for its control:
// the controls beside it (itself included), or the container itself.
struct ControlEnumeration : Unknown {
    static constexpr Guid iid{0xD1C4B8E0, 0x3F1A, 0x4C52, {0x8E, 0x61, 0x11, 0x0A, 0x5B, 0x27, 0x90, 0x0B}};

    static constexpr int kSiblings = 1;
    static constexpr int kContainer = 4;
    virtual Result enumControls(std::uint32_t flags, int selector, std::vector<Ptr<Unknown>>* out) = 0;

protected:
    ~ControlEnumeration() = default;
};

// A plainer container: every object it holds.
struct ObjectContainer : Unknown {
    static constexpr Guid iid{0xD1C4B8E0, 0x3F1A, 0x4C52, {0x8E, 0x61, 0x11, 0x0A, 0x5B, 0x27, 0x90, 0x0C}};

    virtual Result enumObjects(std::uint32_t flags, std::vector<Ptr<Unknown>>* out) = 0;

protected:
    ~ObjectContainer() = default;
};

} // namespace com
