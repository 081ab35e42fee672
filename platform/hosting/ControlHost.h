#pragma once

#include "platform/com/Dispatch.h"
#include "platform/com/EventSink.h"
#include "platform/com/Guid.h"
#include "platform/com/Unknown.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QIODevice;

namespace com {
class ClassLoader;
struct Control;
struct ControlSite;
} // namespace com

namespace hosting {

// A place on a window for one control of a control library. The control is
// made by class id through the registration store, never by linking its
// library, and takes the properties kept with the window's design. When the
// class is not registered, its library is missing or the properties cannot
// be read, the place stays empty, says why in problem() and in the log, and
// the window goes on without the control.
class ControlHost final : public QWidget {
    // Its own class name, so that a window's walk over its children finds
    // the places among them and nothing else.
    Q_OBJECT
public:
    explicit ControlHost(QWidget* parent);
    ~ControlHost() override;

    // Makes the control and loads its properties from the stream; false when
    // the place stays empty.
    bool create(const com::Guid& clsid, QIODevice* properties);

    // The control's automation interface; null while the place is empty.
    com::Dispatch* object() const { return object_.get(); }
    // The control's own window inside this place.
    QWidget* controlWindow() const { return controlWindow_; }
    const QString& problem() const { return problem_; }

    // Whether Tab stops at the control: a window keeps this of each of its
    // controls (option buttons leave it on only for the selected one).
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool stop);

    // Runs `handler` each time the control raises `event` (by its dispatch
    // id) of its event interface `events`, for as long as the control stays.
    // False, and nothing to run, while the place is empty or when the
    // control raises no such events.
    bool onEvent(const com::Guid& events, com::DispId event, std::function<void()> handler);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool fail(const QString& why);
    void release();

    std::unique_ptr<com::ClassLoader> loader_;
    com::Ptr<com::ControlSite> site_;
    com::Ptr<com::Dispatch> object_;
    com::Ptr<com::Control> control_;
    std::vector<com::Ptr<com::EventSink>> sinks_;
    QWidget* controlWindow_ = nullptr;
    Qt::FocusPolicy controlFocus_ = Qt::StrongFocus; // the control window's own
    bool tabStop_ = true;
    QString problem_;
};

} // namespace hosting
