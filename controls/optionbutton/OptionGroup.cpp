// The buttons of one group keep it exclusive themselves: each reaches its
// neighbours through the container and reads and writes their Group, Value,
// TabStop and TabIndex by name.
#include "controls/optionbutton/CQv3dOptionCtrl.h"
#include "controls/optionbutton/DispatchByName.h"
#include "controls/optionbutton/Qv3doptClasses.h"

#include <QWidget>

namespace qv3dopt {

using namespace com;

namespace {

// Embeddings that the user sees and that run; a move in the group adds the
// container's other objects.
constexpr std::uint32_t kSelectFlags = kContainEmbeddings | kContainOnlyUser | kContainOnlyRunning;
constexpr std::uint32_t kMoveFlags = kSelectFlags | kContainOthers;

// How the container listed its controls.
enum class Walk { None, Controls, Objects };

struct Neighbour {
    Ptr<Dispatch> extended;
    QString userType;
    QWidget* window = nullptr;
};

Ptr<Dispatch> extendedControlOf(ControlSite* site)
{
    Ptr<Dispatch> extended;
    if (auto extender = Ptr<ExtendedControlSite>::query(site))
        if (failed(extender->extendedControl(reinterpret_cast<Dispatch**>(extended.out()))))
            extended.reset();
    return extended;
}

// The controls of the container, as far as each can be reached: an object
// without a site or an extended control is passed over.
std::vector<Neighbour> neighbours(ControlSite* site, std::uint32_t flags, Walk* walk)
{
    *walk = Walk::None;
    std::vector<Ptr<Unknown>> objects;
    if (auto controls = Ptr<ControlEnumeration>::query(site)) {
        if (failed(controls->enumControls(flags, ControlEnumeration::kSiblings, &objects)))
            return {};
        *walk = Walk::Controls;
    } else if (auto container = Ptr<ObjectContainer>::query(site)) {
        if (failed(container->enumObjects(flags, &objects)))
            return {};
        *walk = Walk::Objects;
    } else {
        return {};
    }
    std::vector<Neighbour> found;
    for (const Ptr<Unknown>& object : objects) {
        auto ole = Ptr<OleObject>::query(object.get());
        if (!ole)
            continue;
        Ptr<ControlSite> theirSite;
        if (failed(ole->clientSite(reinterpret_cast<ControlSite**>(theirSite.out()))) || !theirSite)
            continue;
        Neighbour neighbour;
        neighbour.extended = extendedControlOf(theirSite.get());
        if (!neighbour.extended)
            continue;
        ole->userType(&neighbour.userType);
        ole->getWindow(&neighbour.window);
        found.push_back(std::move(neighbour));
    }
    return found;
}

} // namespace

void CQv3dOptionCtrl::SelectInGroup(int value)
{
    DispatchByName disp;
    Walk walk = Walk::None;
    // Every member of the group, whatever its class, this button included
    // when the container lists it.
    for (const Neighbour& n : neighbours(site(), kSelectFlags, &walk)) {
        if (disp.GetDispShort(n.extended.get(), "Group") != p_.group)
            continue;
        if (value == 1 && disp.GetDispShort(n.extended.get(), "Value") != 0)
            disp.PutDispShort(n.extended.get(), "Value", 0);
        if (disp.GetDispBool(n.extended.get(), "TabStop"))
            disp.PutDispBool(n.extended.get(), "TabStop", false);
    }
    if (value != p_.value) {
        p_.value = std::int16_t(value);
        changed(dispid::Value);
    }
    // Only the selected button of a group is reached by Tab.
    if (p_.value != 0)
        disp.PutDispBool(extendedControlOf(site()).get(), "TabStop", true);
}

void CQv3dOptionCtrl::FocusCheckedSibling()
{
    DispatchByName disp;
    Walk walk = Walk::None;
    QWidget* target = nullptr;
    const QString ownClass = userTypeName();
    for (const Neighbour& n : neighbours(site(), kSelectFlags, &walk)) {
        if (walk == Walk::Controls && n.userType != ownClass)
            continue;
        if (disp.GetDispShort(n.extended.get(), "Group") != p_.group)
            continue;
        if (disp.GetDispShort(n.extended.get(), "Value") != 0)
            target = n.window;
    }
    if (target) {
        target->setFocus(Qt::OtherFocusReason);
        target->update();
    }
}

void CQv3dOptionCtrl::MoveInGroup(int direction)
{
    DispatchByName disp;
    const int own = disp.GetDispShort(extendedControlOf(site()).get(), "TabIndex");
    Walk walk = Walk::None;
    const QString ownClass = userTypeName();
    QWidget* target = nullptr;
    QWidget* lowest = nullptr;
    QWidget* highest = nullptr;
    int lowestIndex = 32767;
    int highestIndex = -1;
    for (const Neighbour& n : neighbours(site(), kMoveFlags, &walk)) {
        if (n.userType != ownClass || disp.GetDispShort(n.extended.get(), "Group") != p_.group)
            continue;
        const int index = disp.GetDispShort(n.extended.get(), "TabIndex");
        if (!disp.succeeded() || (walk == Walk::Objects && index == own))
            continue;
        if (index == own + direction)
            target = n.window;
        if (index < lowestIndex) {
            lowestIndex = index;
            lowest = n.window;
        }
        if (index > highestIndex) {
            highestIndex = index;
            highest = n.window;
        }
    }
    // Past either end of the group the move wraps round.
    if (!target)
        target = direction > 0 ? lowest : highest;
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}

QWidget* CQv3dOptionCtrl::containerWindow() const
{
    auto controls = Ptr<ControlEnumeration>::query(site());
    if (!controls)
        return nullptr;
    std::vector<Ptr<Unknown>> objects;
    if (failed(controls->enumControls(kMoveFlags, ControlEnumeration::kContainer, &objects)) || objects.empty())
        return nullptr;
    QWidget* window = nullptr;
    if (auto ole = Ptr<OleObject>::query(objects.front().get()))
        ole->getWindow(&window);
    return window;
}

} // namespace qv3dopt
