#include "platform/hosting/ControlHost.h"

#include "platform/com/ClassLoader.h"
#include "platform/com/Control.h"
#include "platform/com/Object.h"
#include "platform/com/Persist.h"
#include "platform/hosting/ControlLibraries.h"
#include "platform/hosting/HostSite.h"
#include "platform/hosting/Log.h"

#include <QIODevice>
#include <QResizeEvent>

namespace hosting {

namespace {

QString hex(com::Result r)
{
    return QStringLiteral("0x%1").arg(quint32(r), 8, 16, QLatin1Char('0'));
}

} // namespace

ControlHost::ControlHost(QWidget* parent) : QWidget(parent), loader_(std::make_unique<com::ClassLoader>()) {}

ControlHost::~ControlHost()
{
    // The control's window and the object go before the loader may unload
    // the library that holds their code.
    release();
}

void ControlHost::release()
{
    // The control lets go of the window's sinks before it goes.
    for (const auto& sink : sinks_)
        sink->detach();
    sinks_.clear();
    if (control_) {
        control_->destroyWindow();
        control_->setSite(nullptr);
    }
    controlWindow_ = nullptr;
    control_.reset();
    object_.reset();
    site_.reset();
}

bool ControlHost::fail(const QString& why)
{
    release();
    problem_ = QStringLiteral("%1: %2").arg(objectName(), why);
    qCWarning(hostingLog).noquote() << problem_;
    return false;
}

bool ControlHost::create(const com::Guid& clsid, QIODevice* properties)
{
    release();
    problem_.clear();
    com::Result r = com::kOk;
    object_ = loader_->create<com::Dispatch>(clsid, &r);
    if (!object_) {
        if (r == com::kClassNotRegistered)
            return fail(
                QStringLiteral("the control %1 is not registered; the place stays empty.").arg(clsid.toString()));
        const QString detail = loader_->lastLoadError().isEmpty() ? hex(r) : loader_->lastLoadError();
        return fail(QStringLiteral("the control %1 could not be made (%2); the place stays empty.")
                        .arg(clsid.toString(), detail));
    }
    control_ = com::Ptr<com::Control>::query(object_.get());
    auto persist = com::Ptr<com::PersistStream>::query(object_.get());
    if (!control_ || !persist)
        return fail(QStringLiteral("%1 is no control that can be kept with a window.").arg(clsid.toString()));
    site_ = com::Ptr<com::ControlSite>(new HostSite(*this));
    control_->setSite(site_.get());
    // The design's properties; a stream cut short still gives the control,
    // the rest of its properties at their stored defaults.
    r = properties ? persist->load(properties) : persist->initNew();
    if (com::failed(r))
        return fail(QStringLiteral("its properties could not be read (%1).").arg(hex(r)));
    r = control_->createWindow(this, rect(), &controlWindow_);
    if (com::failed(r) || !controlWindow_)
        return fail(QStringLiteral("its window could not be made (%1).").arg(hex(r)));
    controlFocus_ = controlWindow_->focusPolicy();
    setTabStop(tabStop_);
    controlWindow_->show();
    return true;
}

void ControlHost::setTabStop(bool stop)
{
    tabStop_ = stop;
    // Without the stop, the control still takes the focus it is given (a
    // click, an arrow key of its group), only Tab passes it by.
    if (controlWindow_)
        controlWindow_->setFocusPolicy(stop ? controlFocus_ : Qt::NoFocus);
}

bool ControlHost::onEvent(const com::Guid& events, com::DispId event, std::function<void()> handler)
{
    if (!object_ || !handler)
        return false;
    auto sink = com::EventSink::attach(
        object_.get(), events, [event, handler = std::move(handler)](com::DispId raised, std::span<com::Variant>) {
            if (raised == event)
                handler();
        });
    if (!sink)
        return false;
    sinks_.push_back(std::move(sink));
    return true;
}

void ControlHost::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (control_ && controlWindow_)
        control_->createWindow(this, rect(), &controlWindow_);
}

} // namespace hosting
