#include "platform/com/Registration.h"

#include "platform/com/ClassFactory.h"
#include "platform/com/LibraryCheck.h"

#include <QFile>

#include <dlfcn.h>

namespace com {

namespace {

Result callExport(const QString& library, const char* name, QString* error)
{
    if (const auto damaged = damagedLibrary(library)) {
        if (error)
            *error = *damaged;
        return kLibraryNotLoaded;
    }
    void* handle = dlopen(QFile::encodeName(library).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        if (error)
            *error = QString::fromLocal8Bit(dlerror());
        return kLibraryNotLoaded;
    }
    Result outcome = kEntryPointMissing;
    if (auto entry = reinterpret_cast<RegisterServerEntry>(dlsym(handle, name)))
        outcome = entry();
    else if (error)
        *error = library + QStringLiteral(": no ") + QLatin1String(name);
    dlclose(handle);
    return outcome;
}

} // namespace

Result registerLibrary(const QString& library, QString* error)
{
    return callExport(library, "DllRegisterServer", error);
}

Result unregisterLibrary(const QString& library, QString* error)
{
    return callExport(library, "DllUnregisterServer", error);
}

} // namespace com
