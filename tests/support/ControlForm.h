#pragma once

#include "platform/com/ClassLoader.h"
#include "platform/com/Container.h"
#include "platform/com/EventSink.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace testsupport {

// A window of a container that hosts controls side by side, as a form of
// the program does: each control gets a site with the ambient properties,
// an extended control (TabStop, TabIndex and Name of its own, every other
// name passed to the control) and a way to list the form's controls. Plain
// Qt widgets can stand between them. Every event of every control is kept
// with the control's place on the form.
class ControlForm {
public:
    // How the sites let a control reach its neighbours: the container's
    // control enumeration, a plain object container, or not at all.
    enum class Offers { Controls, Objects, Nothing };

    struct Event {
        int control;
        com::DispId id;
        std::vector<com::Variant> args;
    };

    explicit ControlForm(com::ClassLoader& loader, Offers offers = Offers::Controls);
    ~ControlForm();
    ControlForm(const ControlForm&) = delete;
    ControlForm& operator=(const ControlForm&) = delete;

    QWidget* form() const { return form_.get(); }

    // Creates a control of the class, new (or loaded from the bag), hosts it
    // at the rectangle and answers its place on the form; -1 when the class
    // gives none. Its tab index is its place in the tab order.
    int add(const com::Guid& clsid, const com::Guid& events, const QRect& rect, const QString& name,
            const QVariantMap* bag = nullptr);
    // An object the test made, hosted without a window (given the site
    // when it is a control).
    int addObject(const com::Ptr<com::Dispatch>& object, const QString& name);
    com::ControlSite* site(int index) const;
    // An ordinary widget of the form, next in the tab order.
    void addPlain(QWidget* widget, const QRect& rect);

    com::Dispatch* control(int index) const;
    com::Dispatch* extended(int index) const;
    QWidget* window(int index) const;
    int count() const { return int(hosted_.size()); }

    // Shows the form and makes it the active window.
    bool showActive();

    const std::vector<Event>& events() const { return events_; }
    int count(int control, com::DispId event) const;
    void clearEvents() { events_.clear(); }
    // Called for every event before it is kept; may write back by-reference arguments.
    std::function<void(int control, com::DispId id, std::span<com::Variant> args)> onEvent;

    // Lets go of every control; the form's window stays.
    void releaseAll();

    class Site;
    class Extender;

private:
    friend class Site;
    friend class Extender;
    struct Hosted;
    void orderTabs();

    com::ClassLoader& loader_;
    Offers offers_;
    std::unique_ptr<QWidget> form_;
    com::Ptr<com::Unknown> containerObject_;
    std::vector<std::unique_ptr<Hosted>> hosted_;
    std::vector<QPointer<QWidget>> tabOrder_;
    std::vector<Event> events_;
};

} // namespace testsupport
