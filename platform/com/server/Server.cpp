#include "platform/com/server/Server.h"

#include "platform/com/ClassStore.h"

#include <QFileInfo>

#include <atomic>

#include <dlfcn.h>

namespace com::server {

namespace {

std::atomic<int>& objectCounter()
{
    static std::atomic<int> count{0};
    return count;
}

std::atomic<int>& lockCounter()
{
    static std::atomic<int> count{0};
    return count;
}

class Factory final : public Object<ClassFactory> {
public:
    explicit Factory(const ServerClass& served) : served_(served) {}

    Result createInstance(Unknown* outer, const Guid& iid, void** out) override
    {
        if (!out)
            return kNullPointer;
        *out = nullptr;
        if (outer)
            return kAggregationRefused;
        return served_.create(iid, out);
    }

    Result lockServer(bool lock) override
    {
        if (lock)
            ++lockCounter();
        else if (lockCounter() > 0)
            --lockCounter();
        return kOk;
    }

private:
    ModuleLock lock_;
    const ServerClass& served_;
};

// The path of this very library, as the dynamic loader knows it.
QString ownLibraryPath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QFile::decodeName(info.dli_fname)).absoluteFilePath();
}

} // namespace

ModuleLock::ModuleLock()
{
    ++objectCounter();
}
ModuleLock::~ModuleLock()
{
    --objectCounter();
}

int liveObjects()
{
    return objectCounter();
}
int serverLocks()
{
    return lockCounter();
}

} // namespace com::server

using namespace com;
using namespace com::server;

com::Result DllGetClassObject(const Guid* clsid, const Guid* iid, void** out)
{
    if (!clsid || !iid || !out)
        return kNullPointer;
    *out = nullptr;
    return guarded([&] {
        for (const ServerClass& served : serverClasses()) {
            if (served.clsid == *clsid) {
                Ptr<Factory> factory(new Factory(served));
                return factory->queryInterface(*iid, out);
            }
        }
        return kClassUnavailable;
    });
}

com::Result DllCanUnloadNow()
{
    return liveObjects() == 0 && serverLocks() == 0 ? kOk : kFalse;
}

com::Result DllRegisterServer()
{
    return guarded([] {
        const QString library = ownLibraryPath();
        if (library.isEmpty())
            return kRegistrationFailed;
        ClassStore store;
        for (const ServerClass& served : serverClasses()) {
            ClassRecord record;
            record.clsid = served.clsid;
            record.progId = QString::fromLatin1(served.progId);
            record.typeName = QString::fromLatin1(served.typeName);
            record.library = library;
            record.miscStatus = served.miscStatus;
            record.control = served.control;
            record.typeLibrary = served.typeLibrary ? QString::fromLatin1(served.typeLibrary) : QString();
            record.typeLibraryVersion =
                served.typeLibraryVersion ? QString::fromLatin1(served.typeLibraryVersion) : QString();
            if (const Result r = store.add(record); failed(r))
                return r;
        }
        return kOk;
    });
}

com::Result DllUnregisterServer()
{
    return guarded([] {
        ClassStore store;
        Result outcome = kOk;
        for (const ServerClass& served : serverClasses())
            if (const Result r = store.remove(served.clsid); failed(r))
                outcome = r;
        return outcome;
    });
}
