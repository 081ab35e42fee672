#include "HelperFaults.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <sqlite3.h>
#include <unistd.h>

namespace testsupport {

namespace {

// A file system layer over SQLite's own that counts the writes and syncs of
// main database files and stops the process before the chosen one. Journals
// and other files pass through uncounted: what the kill tests vary is how
// much of a store reached the database file.
sqlite3_vfs* realVfs = nullptr;
sqlite3_vfs countingVfs;
long long writes = 0;
long long killAt = 0; // 0: never

struct CountedFile {
    sqlite3_file base;
    bool mainDatabase;
    sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

CountedFile* counted(sqlite3_file* file) { return reinterpret_cast<CountedFile*>(file); }
sqlite3_file* real(sqlite3_file* file) { return counted(file)->real(); }

void countStep(sqlite3_file* file)
{
    if (!counted(file)->mainDatabase)
        return;
    ++writes;
    if (killAt > 0 && writes == killAt)
        ::kill(::getpid(), SIGKILL);
}

int fileClose(sqlite3_file* f) { return real(f)->pMethods->xClose(real(f)); }
int fileRead(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset)
{
    return real(f)->pMethods->xRead(real(f), buffer, amount, offset);
}
int fileWrite(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset)
{
    countStep(f);
    return real(f)->pMethods->xWrite(real(f), buffer, amount, offset);
}
int fileTruncate(sqlite3_file* f, sqlite3_int64 size) { return real(f)->pMethods->xTruncate(real(f), size); }
int fileSync(sqlite3_file* f, int flags)
{
    countStep(f);
    return real(f)->pMethods->xSync(real(f), flags);
}
int fileSize(sqlite3_file* f, sqlite3_int64* size) { return real(f)->pMethods->xFileSize(real(f), size); }
int fileLock(sqlite3_file* f, int level) { return real(f)->pMethods->xLock(real(f), level); }
int fileUnlock(sqlite3_file* f, int level) { return real(f)->pMethods->xUnlock(real(f), level); }
int fileCheckReservedLock(sqlite3_file* f, int* out) { return real(f)->pMethods->xCheckReservedLock(real(f), out); }
int fileControl(sqlite3_file* f, int op, void* arg) { return real(f)->pMethods->xFileControl(real(f), op, arg); }
int fileSectorSize(sqlite3_file* f) { return real(f)->pMethods->xSectorSize(real(f)); }
int fileDeviceCharacteristics(sqlite3_file* f) { return real(f)->pMethods->xDeviceCharacteristics(real(f)); }
int fileShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out)
{
    return real(f)->pMethods->xShmMap(real(f), region, size, extend, out);
}
int fileShmLock(sqlite3_file* f, int offset, int n, int flags) { return real(f)->pMethods->xShmLock(real(f), offset, n, flags); }
void fileShmBarrier(sqlite3_file* f) { real(f)->pMethods->xShmBarrier(real(f)); }
int fileShmUnmap(sqlite3_file* f, int deleteFlag) { return real(f)->pMethods->xShmUnmap(real(f), deleteFlag); }
int fileFetch(sqlite3_file* f, sqlite3_int64 offset, int amount, void** out)
{
    return real(f)->pMethods->xFetch(real(f), offset, amount, out);
}
int fileUnfetch(sqlite3_file* f, sqlite3_int64 offset, void* page) { return real(f)->pMethods->xUnfetch(real(f), offset, page); }

const sqlite3_io_methods countedMethods = {
    3,           fileClose,    fileRead,   fileWrite,         fileTruncate, fileSync,
    fileSize,    fileLock,     fileUnlock, fileCheckReservedLock, fileControl, fileSectorSize,
    fileDeviceCharacteristics, fileShmMap, fileShmLock, fileShmBarrier, fileShmUnmap, fileFetch,
    fileUnfetch,
};

int openFile(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags)
{
    CountedFile* f = counted(file);
    f->base.pMethods = nullptr;
    f->mainDatabase = (flags & SQLITE_OPEN_MAIN_DB) != 0;
    const int rc = realVfs->xOpen(realVfs, name, f->real(), flags, outFlags);
    // The real file's methods must be version 3, as the layer forwards
    // every one of them.
    if (f->real()->pMethods) {
        if (f->real()->pMethods->iVersion < 3) {
            std::fprintf(stderr, "the file system layer under SQLite is too old to count writes\n");
            std::abort();
        }
        f->base.pMethods = &countedMethods;
    }
    return rc;
}

int refuseJournalChange(void*, int action, const char* name, const char* value, const char*, const char*)
{
    const bool setsJournal = action == SQLITE_PRAGMA && name && qstricmp(name, "journal_mode") == 0 && value;
    return setsJournal ? SQLITE_DENY : SQLITE_OK;
}

int withoutJournal(sqlite3* db, const char**, const sqlite3_api_routines*)
{
    sqlite3_exec(db, "PRAGMA journal_mode=OFF", nullptr, nullptr, nullptr);
    sqlite3_set_authorizer(db, refuseJournalChange, nullptr);
    return SQLITE_OK;
}

} // namespace

void armHelperFaults()
{
    if (!qEnvironmentVariableIsEmpty("DRILLBOOK_HELPER_JOURNAL_OFF"))
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(&withoutJournal));
    killAt = qEnvironmentVariable("DRILLBOOK_HELPER_KILL_AT").toLongLong();
    realVfs = sqlite3_vfs_find(nullptr);
    countingVfs = *realVfs;
    countingVfs.zName = "drillbook-counting";
    countingVfs.szOsFile = int(sizeof(CountedFile)) + realVfs->szOsFile;
    countingVfs.xOpen = openFile;
    sqlite3_vfs_register(&countingVfs, 1);
}

long long databaseWrites()
{
    return writes;
}

} // namespace testsupport
