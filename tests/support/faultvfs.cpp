#include "tests/support/faultvfs.h"

#include <sqlite3.h>

#include <atomic>
#include <cstring>
#include <mutex>

#include "platform/objectstore.h"

namespace velmora::test {

namespace {

std::atomic<int> g_failWith{0};
std::atomic<int> g_writes{0};
std::atomic<int> g_readFailure{0};
std::atomic<int> g_readsLeft{0};
std::atomic<int> g_reads{0};
sqlite3_vfs g_vfs;
sqlite3_vfs* g_base = nullptr;

// Each open file is the base VFS's file, followed by our methods table pointer in front.
struct FaultFile {
    sqlite3_file base;   // our methods
    sqlite3_file* real;  // the default VFS's file, allocated right after
};

sqlite3_io_methods g_methods;

int XClose(sqlite3_file* f) {
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods ? ff->real->pMethods->xClose(ff->real) : SQLITE_OK;
}
int XRead(sqlite3_file* f, void* buf, int n, sqlite3_int64 off) {
    ++g_reads;
    if (const int err = g_readFailure.load(); err != 0 && g_readsLeft.fetch_sub(1) == 0) {
        return err;
    }
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods->xRead(ff->real, buf, n, off);
}
int XWrite(sqlite3_file* f, const void* buf, int n, sqlite3_int64 off) {
    if (const int err = g_failWith.load()) {
        return err;
    }
    ++g_writes;
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods->xWrite(ff->real, buf, n, off);
}
int XTruncate(sqlite3_file* f, sqlite3_int64 size) {
    if (const int err = g_failWith.load()) {
        return err;
    }
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods->xTruncate(ff->real, size);
}
int XSync(sqlite3_file* f, int flags) {
    if (const int err = g_failWith.load()) {
        return err == SQLITE_FULL ? SQLITE_IOERR_FSYNC : err;
    }
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods->xSync(ff->real, flags);
}
int XFileSize(sqlite3_file* f, sqlite3_int64* size) {
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods->xFileSize(ff->real, size);
}
int XLock(sqlite3_file* f, int l) {
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods->xLock(ff->real, l);
}
int XUnlock(sqlite3_file* f, int l) {
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods->xUnlock(ff->real, l);
}
int XCheckReservedLock(sqlite3_file* f, int* out) {
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods->xCheckReservedLock(ff->real, out);
}
int XFileControl(sqlite3_file* f, int op, void* arg) {
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods->xFileControl(ff->real, op, arg);
}
int XSectorSize(sqlite3_file* f) {
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods->xSectorSize(ff->real);
}
int XDeviceCharacteristics(sqlite3_file* f) {
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods->xDeviceCharacteristics(ff->real);
}
int XShmMap(sqlite3_file* f, int pg, int sz, int extend, void volatile** pp) {
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods->xShmMap(ff->real, pg, sz, extend, pp);
}
int XShmLock(sqlite3_file* f, int offset, int n, int flags) {
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods->xShmLock(ff->real, offset, n, flags);
}
void XShmBarrier(sqlite3_file* f) {
    auto* ff = reinterpret_cast<FaultFile*>(f);
    ff->real->pMethods->xShmBarrier(ff->real);
}
int XShmUnmap(sqlite3_file* f, int del) {
    auto* ff = reinterpret_cast<FaultFile*>(f);
    return ff->real->pMethods->xShmUnmap(ff->real, del);
}

int XOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags) {
    auto* ff = reinterpret_cast<FaultFile*>(f);
    ff->real = reinterpret_cast<sqlite3_file*>(ff + 1);
    std::memset(ff->real, 0, static_cast<size_t>(g_base->szOsFile));
    const int rc = g_base->xOpen(g_base, name, ff->real, flags, outFlags);
    ff->base.pMethods = ff->real->pMethods ? &g_methods : nullptr;
    return rc;
}

void Register() {
    static std::once_flag once;
    std::call_once(once, [] {
        g_base = sqlite3_vfs_find(nullptr);
        g_methods = sqlite3_io_methods{};
        g_methods.iVersion = 2;
        g_methods.xClose = XClose;
        g_methods.xRead = XRead;
        g_methods.xWrite = XWrite;
        g_methods.xTruncate = XTruncate;
        g_methods.xSync = XSync;
        g_methods.xFileSize = XFileSize;
        g_methods.xLock = XLock;
        g_methods.xUnlock = XUnlock;
        g_methods.xCheckReservedLock = XCheckReservedLock;
        g_methods.xFileControl = XFileControl;
        g_methods.xSectorSize = XSectorSize;
        g_methods.xDeviceCharacteristics = XDeviceCharacteristics;
        g_methods.xShmMap = XShmMap;
        g_methods.xShmLock = XShmLock;
        g_methods.xShmBarrier = XShmBarrier;
        g_methods.xShmUnmap = XShmUnmap;
        g_vfs = *g_base;
        g_vfs.iVersion = 2;  // no xFetch/xUnfetch of the base used through us
        g_vfs.szOsFile = static_cast<int>(sizeof(FaultFile)) + g_base->szOsFile;
        g_vfs.zName = "velmora-fault";
        g_vfs.pNext = nullptr;
        g_vfs.xOpen = XOpen;
        sqlite3_vfs_register(&g_vfs, 0);
    });
}

}  // namespace

FaultVfs::FaultVfs() {
    Register();
    Heal();
    ObjectStore::CloseThreadConnection();
    ObjectStore::SetVfsForTesting("velmora-fault");
}

FaultVfs::~FaultVfs() {
    Heal();
    ObjectStore::CloseThreadConnection();
    ObjectStore::SetVfsForTesting("");
}

void FaultVfs::FailWrites(int sqliteError) {
    g_failWith.store(sqliteError);
}

void FaultVfs::FailOneReadAfter(int reads, int sqliteError) {
    g_readsLeft.store(reads);
    g_readFailure.store(sqliteError);
}

void FaultVfs::Heal() {
    g_failWith.store(0);
    g_readFailure.store(0);
    g_reads.store(0);
    g_writes.store(0);
}

int FaultVfs::WriteCount() const {
    return g_writes.load();
}

int FaultVfs::ReadCount() const {
    return g_reads.load();
}

}  // namespace velmora::test
