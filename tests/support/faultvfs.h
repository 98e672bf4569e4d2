#pragma once

// A SQLite VFS over the default one that fails file writes on demand, so tests can see what
// the program does when the disk fills up or the file cannot be written (the machines run
// as root, so permissions prove nothing).

namespace velmora::test {

class FaultVfs {
public:
    // Registers the VFS (once) and makes the store use it for new connections.
    FaultVfs();
    // Stops failing and makes the store use the default VFS again.
    ~FaultVfs();

    // From now on every write (and sync) fails with `sqliteError` (SQLITE_FULL, ...).
    void FailWrites(int sqliteError);
    // After `reads` more reads succeed, the next one fails with `sqliteError`
    // (SQLITE_IOERR_READ, ...): one passing fault, and every read after it succeeds.
    void FailOneReadAfter(int reads, int sqliteError);
    void Heal();
    // Writes that reached the file since the last Heal or construction.
    int WriteCount() const;
    // Reads asked of the file since the last Heal or construction.
    int ReadCount() const;
};

}  // namespace velmora::test
