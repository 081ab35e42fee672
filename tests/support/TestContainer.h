#pragma once

#include "platform/com/ClassLoader.h"
#include "platform/com/Control.h"
#include "platform/com/EventSink.h"

#include <QString>
#include <QTemporaryDir>

#include <vector>

namespace testsupport {

// A property of a control by name; a failed read is warned about and gives
// an empty value, so the comparison that follows fails with the name.
com::Variant propertyOf(com::Dispatch* object, const char* name);

// The container's side of a hosted control: its ambient user mode, and what
// the control told it (bound-property changes, modal dialogs).
class TestSite final : public com::Object<com::ControlSite> {
public:
    bool userMode() override { return runMode; }
    QString displayName() override { return QStringLiteral("TestControl1"); }
    void propertyChanged(com::DispId id) override { changed.push_back(id); }
    void modalDialog(bool begins) override { dialogNotes.push_back(begins); }

    bool runMode = true;
    std::vector<com::DispId> changed;
    std::vector<bool> dialogNotes;
};

// A small container for control libraries: its own registration store in a
// temporary folder (DRILLBOOK_CLASS_STORE points there while it lives, so a
// test never touches the user's), a loader over that store, and a record of
// every event its controls fire.
class TestContainer {
public:
    struct Event {
        com::DispId id;
        std::vector<com::Variant> args;
    };

    TestContainer();
    ~TestContainer();

    QString storePath() const;
    com::ClassLoader& loader() { return *loader_; }

    // Creates an object of a class and attaches the container's sink to its
    // events when an event interface is given.
    com::Ptr<com::Dispatch> create(const com::Guid& clsid, const com::Guid& events = {}, com::Result* outcome = nullptr);

    const std::vector<Event>& events() const { return events_; }
    int count(com::DispId event) const;
    void clearEvents() { events_.clear(); }
    // Called for every event before it is recorded; may write back by-reference arguments.
    com::EventSink::Handler onEvent;

    // Lets go of every object made and of the sinks.
    void releaseAll();

private:
    QTemporaryDir folder_;
    QByteArray previousStore_;
    bool hadPreviousStore_ = false;
    std::unique_ptr<com::ClassLoader> loader_;
    std::vector<com::Ptr<com::EventSink>> sinks_;
    std::vector<Event> events_;
};

} // namespace testsupport
