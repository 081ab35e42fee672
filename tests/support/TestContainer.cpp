#include "support/TestContainer.h"

#include "platform/com/ClassStore.h"

#include <algorithm>

namespace testsupport {

TestContainer::TestContainer()
{
    hadPreviousStore_ = qEnvironmentVariableIsSet(com::ClassStore::pathVariable);
    previousStore_ = qgetenv(com::ClassStore::pathVariable);
    qputenv(com::ClassStore::pathVariable, QFile::encodeName(storePath()));
    loader_ = std::make_unique<com::ClassLoader>(com::ClassStore(storePath()));
}

TestContainer::~TestContainer()
{
    releaseAll();
    loader_.reset();
    // Only the container that redirected the store last puts it back.
    if (qgetenv(com::ClassStore::pathVariable) != QFile::encodeName(storePath()))
        return;
    if (hadPreviousStore_)
        qputenv(com::ClassStore::pathVariable, previousStore_);
    else
        qunsetenv(com::ClassStore::pathVariable);
}

QString TestContainer::storePath() const
{
    return folder_.filePath(QStringLiteral("classes.ini"));
}

com::Ptr<com::Dispatch> TestContainer::create(const com::Guid& clsid, const com::Guid& events, com::Result* outcome)
{
    auto object = loader_->create<com::Dispatch>(clsid, outcome);
    if (object && !events.isNull()) {
        auto sink = com::EventSink::attach(object.get(), events, [this](com::DispId id, std::span<com::Variant> args) {
            if (onEvent)
                onEvent(id, args);
            events_.push_back({id, std::vector<com::Variant>(args.begin(), args.end())});
        });
        if (sink)
            sinks_.push_back(sink);
    }
    return object;
}

int TestContainer::count(com::DispId event) const
{
    return int(std::count_if(events_.begin(), events_.end(), [event](const Event& e) { return e.id == event; }));
}

void TestContainer::releaseAll()
{
    for (auto& sink : sinks_)
        sink->detach();
    sinks_.clear();
}

com::Variant propertyOf(com::Dispatch* object, const char* name)
{
    com::Variant value;
    const com::Result r = com::getProperty(object, QString::fromLatin1(name), &value);
    if (com::failed(r))
        qWarning("reading %s failed: %x", name, unsigned(r));
    return value;
}

} // namespace testsupport
