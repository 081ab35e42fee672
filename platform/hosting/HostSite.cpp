#include "platform/hosting/HostSite.h"

#include "platform/hosting/ControlHost.h"

namespace hosting {

namespace {

// The members a window keeps of each of its controls.
constexpr com::DispId kTabStop = 0x40000001;
constexpr com::DispId kTabIndex = 0x40000002;
constexpr com::DispId kName = 0x40000003;

// The places beside `host` that hold a control, in the order the window
// made them, which is the order of its design.
QList<ControlHost*> placesBeside(const ControlHost& host)
{
    QList<ControlHost*> places;
    if (QWidget* parent = host.parentWidget())
        for (ControlHost* place : parent->findChildren<ControlHost*>(Qt::FindDirectChildrenOnly))
            if (place->object())
                places << place;
    return places;
}

// The window the places sit on, as a control sees its container.
class ContainerObject final : public com::Object<com::OleObject> {
public:
    explicit ContainerObject(ControlHost& host) : host_(&host) {}
    com::Result clientSite(com::ControlSite**) override { return com::kFailed; }
    com::Result userType(QString* out) override
    {
        *out = QStringLiteral("Form");
        return com::kOk;
    }
    com::Result getWindow(QWidget** out) override
    {
        *out = host_ ? host_->window() : nullptr;
        return *out ? com::kOk : com::kFailed;
    }

private:
    QPointer<ControlHost> host_;
};

// The control as its window knows it: TabStop, TabIndex and Name are the
// window's; every other name is passed on to the control.
class ExtendedControl final : public com::Object<com::Dispatch> {
public:
    explicit ExtendedControl(ControlHost& host) : host_(&host) {}

    com::Result idOfName(const QString& name, com::DispId* id) override
    {
        if (!host_ || !host_->object())
            return com::kFailed;
        if (name.compare(QLatin1String("TabStop"), Qt::CaseInsensitive) == 0)
            *id = kTabStop;
        else if (name.compare(QLatin1String("TabIndex"), Qt::CaseInsensitive) == 0)
            *id = kTabIndex;
        else if (name.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0)
            *id = kName;
        else
            return host_->object()->idOfName(name, id);
        return com::kOk;
    }

    com::Result invoke(com::DispId id, com::InvokeKind kind, std::span<com::Variant> args, com::Variant* result,
                       com::ErrorInfo* info) override
    {
        if (!host_ || !host_->object())
            return com::kFailed;
        switch (id) {
        case kTabStop:
            if (kind == com::InvokeKind::Put) {
                bool stop = false;
                if (args.size() != 1 || com::failed(args[0].toBool(&stop)))
                    return com::kTypeMismatch;
                host_->setTabStop(stop);
            } else if (result) {
                *result = com::Variant::boolean(host_->tabStop());
            }
            return com::kOk;
        case kTabIndex:
            if (kind == com::InvokeKind::Put)
                return com::kMemberNotFound;
            if (result)
                *result = com::Variant::i2(std::int16_t(placesBeside(*host_).indexOf(host_.data())));
            return com::kOk;
        case kName:
            if (kind == com::InvokeKind::Put)
                return com::kMemberNotFound;
            if (result)
                *result = com::Variant::string(host_->objectName());
            return com::kOk;
        default:
            return host_->object()->invoke(id, kind, args, result, info);
        }
    }

private:
    QPointer<ControlHost> host_;
};

} // namespace

HostSite::HostSite(ControlHost& host)
    : host_(&host), extended_(new ExtendedControl(host)), container_(new ContainerObject(host))
{}

QString HostSite::displayName()
{
    return host_ ? host_->objectName() : QString();
}

com::Result HostSite::enumControls(std::uint32_t flags, int selector, std::vector<com::Ptr<com::Unknown>>* out)
{
    if (!out)
        return com::kNullPointer;
    if (selector == com::ControlEnumeration::kContainer) {
        out->clear();
        if (host_)
            out->push_back(container_);
        return com::kOk;
    }
    return enumObjects(flags, out);
}

com::Result HostSite::enumObjects(std::uint32_t, std::vector<com::Ptr<com::Unknown>>* out)
{
    if (!out)
        return com::kNullPointer;
    out->clear();
    if (!host_)
        return com::kOk;
    for (ControlHost* place : placesBeside(*host_))
        out->emplace_back(static_cast<com::Unknown*>(place->object()));
    return com::kOk;
}

com::Result HostSite::extendedControl(com::Dispatch** out)
{
    if (!out)
        return com::kNullPointer;
    *out = host_ && host_->object() ? extended_.get() : nullptr;
    if (!*out)
        return com::kFailed;
    (*out)->addRef();
    return com::kOk;
}

} // namespace hosting
