#include "support/ControlForm.h"

#include "platform/com/Persist.h"

#include <QTest>

#include <algorithm>

namespace testsupport {

using namespace com;

namespace {

// The form itself, as the container's listing of "the container" shows it.
class FormObject final : public Object<OleObject> {
public:
    explicit FormObject(QWidget* form) : form_(form) {}
    Result clientSite(ControlSite**) override { return kFailed; }
    Result userType(QString* out) override
    {
        *out = QStringLiteral("Form");
        return kOk;
    }
    Result getWindow(QWidget** out) override
    {
        *out = form_;
        return form_ ? kOk : kFailed;
    }

private:
    QPointer<QWidget> form_;
};

// The extended control's own members.
constexpr DispId kTabStop = 0x40000001;
constexpr DispId kTabIndex = 0x40000002;
constexpr DispId kName = 0x40000003;

} // namespace

struct ControlForm::Hosted {
    Ptr<Dispatch> control;
    Ptr<Site> site;
    Ptr<Extender> extender;
    Ptr<EventSink> sink;
    QPointer<QWidget> window;
    QString name;
    bool tabStop = true;
    Qt::FocusPolicy policy = Qt::StrongFocus;
};

// What a hosted control's properties of the container look like.
class ControlForm::Extender final : public Object<Dispatch> {
public:
    Extender(ControlForm& form, int index) : form_(form), index_(index) {}

    Result idOfName(const QString& name, DispId* id) override
    {
        if (name.compare(QLatin1String("TabStop"), Qt::CaseInsensitive) == 0)
            *id = kTabStop;
        else if (name.compare(QLatin1String("TabIndex"), Qt::CaseInsensitive) == 0)
            *id = kTabIndex;
        else if (name.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0)
            *id = kName;
        else
            return hosted().control->idOfName(name, id);
        return kOk;
    }

    Result invoke(DispId id, InvokeKind kind, std::span<Variant> args, Variant* result, ErrorInfo* info) override
    {
        Hosted& h = hosted();
        switch (id) {
        case kTabStop:
            if (kind == InvokeKind::Put) {
                bool stop = false;
                if (args.size() != 1 || failed(args[0].toBool(&stop)))
                    return kTypeMismatch;
                h.tabStop = stop;
                if (h.window)
                    h.window->setFocusPolicy(stop ? h.policy : Qt::NoFocus);
            } else if (result) {
                *result = Variant::boolean(h.tabStop);
            }
            return kOk;
        case kTabIndex:
            if (kind == InvokeKind::Put)
                return kMemberNotFound;
            if (result)
                *result = Variant::i2(std::int16_t(index_));
            return kOk;
        case kName:
            if (result)
                *result = Variant::string(h.name);
            return kOk;
        default: return h.control->invoke(id, kind, args, result, info);
        }
    }

private:
    Hosted& hosted() { return *form_.hosted_[std::size_t(index_)]; }

    ControlForm& form_;
    int index_;
};

// A hosted control's site. It lists the form's controls one way or the
// other, as the form offers.
class ControlForm::Site final : public Object<ControlSite, ExtendedControlSite>,
                                public ControlEnumeration,
                                public ObjectContainer {
public:
    Site(ControlForm& form, int index) : form_(form), index_(index) {}

    Result queryInterface(const Guid& iid, void** out) override { return Object::queryInterface(iid, out); }
    std::uint32_t addRef() override { return Object::addRef(); }
    std::uint32_t release() override { return Object::release(); }

    bool userMode() override { return true; }
    QString displayName() override { return form_.hosted_[std::size_t(index_)]->name; }
    void propertyChanged(DispId) override {}
    void modalDialog(bool) override {}

    Result extendedControl(Dispatch** out) override
    {
        Ptr<Extender>& extender = form_.hosted_[std::size_t(index_)]->extender;
        if (!extender)
            return kFailed;
        extender->addRef();
        *out = extender.get();
        return kOk;
    }

    Result enumControls(std::uint32_t, int selector, std::vector<Ptr<Unknown>>* out) override
    {
        out->clear();
        if (selector == ControlEnumeration::kContainer) {
            out->push_back(form_.containerObject_);
            return kOk;
        }
        return listControls(out);
    }

    Result enumObjects(std::uint32_t, std::vector<Ptr<Unknown>>* out) override
    {
        out->clear();
        return listControls(out);
    }

protected:
    void* findInterface(const Guid& iid) override
    {
        if (iid == ControlEnumeration::iid && form_.offers_ == Offers::Controls)
            return static_cast<ControlEnumeration*>(this);
        if (iid == ObjectContainer::iid && form_.offers_ == Offers::Objects)
            return static_cast<ObjectContainer*>(this);
        return nullptr;
    }

private:
    Result listControls(std::vector<Ptr<Unknown>>* out)
    {
        for (const auto& h : form_.hosted_)
            if (h->control)
                out->push_back(Ptr<Unknown>(static_cast<Unknown*>(h->control.get())));
        return kOk;
    }

    ControlForm& form_;
    int index_;
};

ControlForm::ControlForm(ClassLoader& loader, Offers offers)
    : loader_(loader), offers_(offers), form_(std::make_unique<QWidget>())
{
    form_->resize(320, 240);
    form_->setWindowTitle(QStringLiteral("Form1"));
    containerObject_ = Ptr<Unknown>(static_cast<Unknown*>(make<FormObject>(form_.get()).get()));
}

ControlForm::~ControlForm()
{
    releaseAll();
}

int ControlForm::add(const Guid& clsid, const Guid& events, const QRect& rect, const QString& name,
                     const QVariantMap* bag)
{
    auto control = loader_.create<Dispatch>(clsid);
    if (!control)
        return -1;
    const int index = int(hosted_.size());
    auto hosted = std::make_unique<Hosted>();
    hosted->control = control;
    hosted->name = name;
    hosted->site = make<Site>(*this, index);
    hosted->extender = make<Extender>(*this, index);
    hosted_.push_back(std::move(hosted));
    Hosted& h = *hosted_.back();
    h.sink = EventSink::attach(control.get(), events, [this, index](DispId id, std::span<Variant> args) {
        if (onEvent)
            onEvent(index, id, args);
        events_.push_back({index, id, std::vector<Variant>(args.begin(), args.end())});
    });
    auto hostedControl = Ptr<Control>::query(control.get());
    hostedControl->setSite(h.site.get());
    if (bag)
        Ptr<PersistPropertyBag>::query(control.get())->load(*bag);
    else
        Ptr<PersistStream>::query(control.get())->initNew();
    QWidget* window = nullptr;
    hostedControl->createWindow(form_.get(), rect, &window);
    h.window = window;
    if (window) {
        h.policy = window->focusPolicy();
        window->setObjectName(name);
        window->show();
        tabOrder_.push_back(window);
    }
    orderTabs();
    return index;
}

int ControlForm::addObject(const Ptr<Dispatch>& object, const QString& name)
{
    const int index = int(hosted_.size());
    auto hosted = std::make_unique<Hosted>();
    hosted->control = object;
    hosted->name = name;
    hosted->site = make<Site>(*this, index);
    hosted->extender = make<Extender>(*this, index);
    hosted_.push_back(std::move(hosted));
    if (auto hostedControl = Ptr<Control>::query(object.get()))
        hostedControl->setSite(hosted_.back()->site.get());
    return index;
}

ControlSite* ControlForm::site(int index) const
{
    return hosted_.at(std::size_t(index))->site.get();
}

void ControlForm::addPlain(QWidget* widget, const QRect& rect)
{
    widget->setParent(form_.get());
    widget->setGeometry(rect);
    tabOrder_.push_back(widget);
    orderTabs();
}

void ControlForm::orderTabs()
{
    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        if (tabOrder_[i - 1] && tabOrder_[i])
            QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

Dispatch* ControlForm::control(int index) const { return hosted_.at(std::size_t(index))->control.get(); }
Dispatch* ControlForm::extended(int index) const { return hosted_.at(std::size_t(index))->extender.get(); }
QWidget* ControlForm::window(int index) const { return hosted_.at(std::size_t(index))->window; }

bool ControlForm::showActive()
{
    form_->show();
    form_->activateWindow();
    return QTest::qWaitForWindowActive(form_.get());
}

int ControlForm::count(int control, DispId event) const
{
    return int(std::count_if(events_.begin(), events_.end(),
                             [&](const Event& e) { return e.control == control && e.id == event; }));
}

void ControlForm::releaseAll()
{
    for (auto& h : hosted_) {
        if (h->sink)
            h->sink->detach();
        if (auto hostedControl = Ptr<Control>::query(h->control.get())) {
            hostedControl->destroyWindow();
            hostedControl->setSite(nullptr);
        }
    }
    // The sites and extenders are let go before the controls, while the
    // list they read is still whole.
    for (auto& h : hosted_) {
        h->extender.reset();
        h->site.reset();
    }
    hosted_.clear();
}

} // namespace testsupport
