#pragma once

#include "platform/com/ClassFactory.h"
#include "platform/com/ClassStore.h"

#include <QString>

#include <map>

namespace com {

// Creates objects of registered classes: finds the class's library in the
// store, loads it once and asks its factory. Libraries stay loaded until
// freeUnusedLibraries finds them idle or the loader goes. The container owns
// its loader; nothing here is global.
class ClassLoader {
public:
    explicit ClassLoader(ClassStore store = ClassStore());
    ~ClassLoader();
    ClassLoader(const ClassLoader&) = delete;
    ClassLoader& operator=(const ClassLoader&) = delete;

    Result classFactory(const Guid& clsid, ClassFactory** out);
    Result createInstance(const Guid& clsid, const Guid& iid, void** out);
    Result createInstance(const QString& progId, const Guid& iid, void** out);

    // An object of the class named by class id or by ProgID, through its T
    // interface; outcome says why there is none.
    template <class T, class ClassName>
    Ptr<T> create(const ClassName& name, Result* outcome = nullptr)
    {
        Ptr<T> object;
        const Result r = createInstance(name, T::iid, object.out());
        if (outcome)
            *outcome = r;
        return object;
    }

    // Unloads every library that says it has no objects and no locks left;
    // returns how many were unloaded.
    int freeUnusedLibraries();
    bool isLoaded(const QString& library) const;
    // What the last failed load said, for a container's message.
    const QString& lastLoadError() const { return lastLoadError_; }

    const ClassStore& store() const { return store_; }

private:
    struct Library {
        void* handle = nullptr;
        GetClassObjectEntry getClassObject = nullptr;
        CanUnloadNowEntry canUnloadNow = nullptr;
    };
    Result load(const QString& path, Library** out);

    ClassStore store_;
    std::map<QString, Library> libraries_;
    QString lastLoadError_;
};

} // namespace com
