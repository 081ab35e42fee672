#pragma once

#include "platform/com/AutomationError.h"
#include "platform/com/ClassFactory.h"
#include "platform/com/Object.h"

#include <cstdint>
#include <span>

// What a control library links to serve its classes: the four exports
// (DllGetClassObject, DllCanUnloadNow, DllRegisterServer,
// DllUnregisterServer), the count of live objects and locks that decides
// whether the library may be unloaded, and the factories. Each library gets
// its own copy, built with hidden symbols, so two libraries never share a
// count.
namespace com::server {

// One class a library serves.
struct ServerClass {
    Guid clsid;
    const char* progId;
    const char* typeName;
    std::uint32_t miscStatus;
    bool control;
    const char* typeLibrary; // nullptr when the class has none
    const char* typeLibraryVersion;
    // Makes a new object and hands out the asked interface.
    Result (*create)(const Guid& iid, void** out);
};

// The library's classes; each control library defines this once.
std::span<const ServerClass> serverClasses();

// Held by every object a library makes, for as long as the object lives.
class ModuleLock {
public:
    ModuleLock();
    ~ModuleLock();
    ModuleLock(const ModuleLock&) = delete;
    ModuleLock& operator=(const ModuleLock&) = delete;
};

// Objects alive and factory locks held in this library.
int liveObjects();
int serverLocks();

// An object of class T that keeps its library loaded while it lives.
template <class T>
class Served final : public T {
    ModuleLock lock_;
};

// The usual create entry of a ServerClass: a new T, counted as one of the
// library's live objects, and the asked interface.
template <class T>
Result createObject(const Guid& iid, void** out)
{
    if (!out)
        return kNullPointer;
    *out = nullptr;
    return guarded([&] {
        Ptr<T> object(new Served<T>);
        return object->queryInterface(iid, out);
    });
}

} // namespace com::server

#define DRILLBOOK_COM_EXPORT extern "C" __attribute__((visibility("default")))

DRILLBOOK_COM_EXPORT com::Result DllGetClassObject(const com::Guid* clsid, const com::Guid* iid, void** out);
DRILLBOOK_COM_EXPORT com::Result DllCanUnloadNow();
DRILLBOOK_COM_EXPORT com::Result DllRegisterServer();
DRILLBOOK_COM_EXPORT com::Result DllUnregisterServer();
