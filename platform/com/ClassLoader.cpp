#include "platform/com/ClassLoader.h"

#include "platform/com/LibraryCheck.h"

#include <QFileInfo>

#include <dlfcn.h>

namespace com {

ClassLoader::ClassLoader(ClassStore store) : store_(std::move(store)) {}

ClassLoader::~ClassLoader()
{
    // Only idle libraries are closed: code of a library whose objects still
    // live elsewhere must stay mapped.
    freeUnusedLibraries();
}

Result ClassLoader::load(const QString& path, Library** out)
{
    // The store keeps absolute paths, so a loaded library is found by its
    // path as it stands.
    if (auto found = libraries_.find(path); found != libraries_.end()) {
        *out = &found->second;
        return kOk;
    }
    const QString key = QFileInfo(path).absoluteFilePath();
    if (auto found = libraries_.find(key); found != libraries_.end()) {
        *out = &found->second;
        return kOk;
    }
    // The file may have been damaged since it was registered.
    if (const auto damaged = damagedLibrary(key)) {
        lastLoadError_ = key + QStringLiteral(": ") + *damaged;
        return kLibraryNotLoaded;
    }
    void* handle = dlopen(QFile::encodeName(key).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        lastLoadError_ = QString::fromLocal8Bit(dlerror());
        return kLibraryNotLoaded;
    }
    Library library;
    library.handle = handle;
    library.getClassObject = reinterpret_cast<GetClassObjectEntry>(dlsym(handle, "DllGetClassObject"));
    library.canUnloadNow = reinterpret_cast<CanUnloadNowEntry>(dlsym(handle, "DllCanUnloadNow"));
    if (!library.getClassObject) {
        lastLoadError_ = key + QStringLiteral(": no DllGetClassObject");
        dlclose(handle);
        return kEntryPointMissing;
    }
    *out = &libraries_.emplace(key, library).first->second;
    return kOk;
}

Result ClassLoader::classFactory(const Guid& clsid, ClassFactory** out)
{
    if (!out)
        return kNullPointer;
    *out = nullptr;
    const auto record = store_.find(clsid);
    if (!record)
        return kClassNotRegistered;
    Library* library = nullptr;
    if (const Result r = load(record->library, &library); failed(r))
        return r;
    void* factory = nullptr;
    const Result r = library->getClassObject(&clsid, &ClassFactory::iid, &factory);
    if (failed(r))
        return r;
    *out = static_cast<ClassFactory*>(factory);
    return kOk;
}

Result ClassLoader::createInstance(const Guid& clsid, const Guid& iid, void** out)
{
    if (!out)
        return kNullPointer;
    *out = nullptr;
    Ptr<ClassFactory> factory;
    if (const Result r = classFactory(clsid, reinterpret_cast<ClassFactory**>(factory.out())); failed(r))
        return r;
    return factory->createInstance(nullptr, iid, out);
}

Result ClassLoader::createInstance(const QString& progId, const Guid& iid, void** out)
{
    if (!out)
        return kNullPointer;
    *out = nullptr;
    const auto clsid = store_.classOfProgId(progId);
    if (!clsid)
        return kClassNotRegistered;
    return createInstance(*clsid, iid, out);
}

int ClassLoader::freeUnusedLibraries()
{
    int unloaded = 0;
    for (auto it = libraries_.begin(); it != libraries_.end();) {
        const Library& library = it->second;
        if (library.canUnloadNow && library.canUnloadNow() == kOk) {
            dlclose(library.handle);
            it = libraries_.erase(it);
            ++unloaded;
        } else {
            ++it;
        }
    }
    return unloaded;
}

bool ClassLoader::isLoaded(const QString& library) const
{
    return libraries_.count(QFileInfo(library).absoluteFilePath()) == 1;
}

} // namespace com
