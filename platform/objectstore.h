#pragma once

// The object store: named property databases kept in one SQLite file per user.
//
// A database holds records; a record is an ordered list of typed values (properties), each
// with a 16-bit property id and a type code. Records get 32-bit identifiers that only grow
// and are never reused, and come back in the order they were written. The file layout is
// documented in docs/storage.md.
//
// Connections are per thread: every thread that touches the store gets its own SQLite
// connection, so a reader on another thread (the reminders) reads while this one writes.
// A database handle belongs to the thread that opened it.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3_stmt;

namespace velmora {

// Value type codes, as the handheld numbered them.
enum : uint16_t {
    CEVT_I2 = 2,
    CEVT_I4 = 3,
    CEVT_R8 = 5,
    CEVT_BOOL = 11,
    CEVT_UI2 = 18,
    CEVT_UI4 = 19,
    CEVT_LPWSTR = 31,
    CEVT_FILETIME = 64,
    CEVT_BLOB = 65,
};

// Outcome of a store call. The numbers of the first ones are the handheld's error codes.
enum class StoreStatus : int {
    Ok = 0,
    NotFound = 2,  // no such database (or no store file yet)
    OutOfMemory = 8,
    SharingViolation = 32,  // the database is open elsewhere
    DupName = 52,           // a database of that name exists
    InvalidParameter = 87,  // bad name, no such record, empty record...
    DiskFull = 112,
    BadStore = 1000,  // the file is damaged or not a store (already reported)
    IoError = 1001,   // any other failure of the file
};

using RecordId = uint32_t;

// One stored value, as read from or written to the store.
struct StoredProp {
    uint16_t id = 0;
    uint16_t type = 0;
    int64_t i = 0;              // integer types; the 64 bits of a FILETIME
    double r = 0.0;             // CEVT_R8
    std::u16string text;        // CEVT_LPWSTR
    std::vector<uint8_t> blob;  // CEVT_BLOB
};

class StoreConnection;

// An open database with its own cursor (the current record).
class StoreDatabase {
public:
    // Creates database `name` with type identifier `type`, creating the store file when it
    // does not exist yet. Does not open it.
    static StoreStatus Create(std::u16string_view name, uint32_t type);
    // Opens database `name`. NotFound (and no message) when it does not exist.
    static StoreStatus Open(std::u16string_view name, std::unique_ptr<StoreDatabase>& out);
    // Whether database `name` exists; never creates or opens anything for writing.
    static bool Exists(std::u16string_view name);

    ~StoreDatabase();
    StoreDatabase(const StoreDatabase&) = delete;
    StoreDatabase& operator=(const StoreDatabase&) = delete;

    enum class SeekFrom { Beginning, Current, End };
    // Moves the cursor; returns the record now current, 0 when there is none.
    // Beginning: `offset` records after the first; Current: `offset` records from the
    // current one (negative: backwards); End: `offset` records before the last (0 = last).
    RecordId Seek(SeekFrom from, int32_t offset);
    RecordId Current() const { return m_current; }
    // Makes `record` current when it exists; returns it, or 0 (and no record current).
    RecordId SeekRecord(RecordId record);
    // Why the last Seek or SeekRecord found no record: Ok when there was none to find,
    // otherwise the store could not be read.
    StoreStatus SeekStatus() const { return m_seekStatus; }
    // Ends a walk early: the scan holds no read open any more.
    void StopScan() { ResetScan(); }

    // What the forward walks (Seek from Beginning, Seek forward from Current) go over: every
    // record, or only the records the file's indexes point at, still in the order they were
    // written. Backward seeks, SeekRecord and the reads of a current record are not narrowed.
    //  - WalkKeyRange: records whose property 0 holds a number from `lo` to `hi` (inclusive);
    //  - WalkFlagged: records whose property kIndexedFlagProp holds a value other than 0.
    void WalkAll() { SetWalk(Walk::All); }
    void WalkKeyRange(int64_t lo, int64_t hi) {
        m_keyLo = lo;
        m_keyHi = hi;
        SetWalk(Walk::KeyRange);
    }
    void WalkFlagged() { SetWalk(Walk::Flagged); }

    // Reads every property of the current record, in stored order.
    StoreStatus ReadCurrent(std::vector<StoredProp>& props);
    // Reads the property with id `propId` of the current record; NotFound when it has none.
    StoreStatus ReadCurrentProp(uint16_t propId, StoredProp& prop);

    // Writes a new record (`record` 0) or replaces the properties of `record`. The written
    // record becomes current and its id is returned in `written`.
    StoreStatus Write(RecordId record, const StoredProp* props, size_t count, RecordId& written);
    // Deletes `record`.
    StoreStatus DeleteRecord(RecordId record);
    // Number of records.
    StoreStatus Count(uint32_t& count);
    // Deletes this database and all its records; fails while another handle has it open.
    StoreStatus DeleteDatabase();

    // Groups writes into one transaction: all of them are kept, or none. Nests.
    StoreStatus Begin();
    StoreStatus Commit();
    void Rollback();

    const std::u16string& Name() const { return m_name; }
    uint32_t Type() const { return m_type; }

private:
    friend class StoreConnection;
    StoreDatabase(std::shared_ptr<StoreConnection> conn, int64_t dbId, std::u16string name,
                  uint32_t type);

    enum class Walk { All, KeyRange, Flagged };
    void SetWalk(Walk walk);

    // The scan statement: one statement stepped over the records in order, so that a walk
    // over all records never re-runs a query per record. `narrowed`: over the records of
    // the walk (m_walk) rather than all.
    bool StartScan(RecordId from, bool narrowed);
    bool StepScan();
    void ResetScan();
    StoreStatus ScanError(int rc);

    std::shared_ptr<StoreConnection> m_conn;
    int64_t m_dbId = 0;
    std::u16string m_name;
    uint32_t m_type = 0;
    RecordId m_current = 0;
    StoreStatus m_seekStatus = StoreStatus::Ok;
    StoreStatus m_scanError = StoreStatus::Ok;  // a step of m_scan failed (since reset)

    Walk m_walk = Walk::All;
    int64_t m_keyLo = 0;
    int64_t m_keyHi = 0;
    ::sqlite3_stmt* m_scans[3] = {};   // the scan statement of each kind of walk
    ::sqlite3_stmt* m_scan = nullptr;  // the one in use, of kind m_scanWalk
    Walk m_scanWalk = Walk::All;
    bool m_rowValid = false;    // m_scan stands on a row
    RecordId m_rowRecord = 0;   // record of that row
    RecordId m_scanAfter = 0;   // m_scan stands right after all rows of this record
    bool m_scanActive = false;  // listed in the connection's active scans
};

// Store-wide settings and tools.
struct ObjectStore {
    // Path of the store file (from DataPaths, read at every call).
    static std::string FilePath();
    // Whether there is a store file at all (nothing stored yet when not).
    static bool FileExists();
    // Uses the named SQLite VFS for new connections (tests inject file errors this way);
    // an empty name restores the default.
    static void SetVfsForTesting(const std::string& vfsName);
    // Forgets which damaged files were already reported, so a test can see the message again.
    static void ResetReportsForTesting();
    // Drops this thread's cached connection (tests that replace the file under it).
    static void CloseThreadConnection();
};

// SQLite application id that marks a store file ("VELM").
inline constexpr uint32_t kStoreApplicationId = 0x56454C4D;
// The file format. 1: the tables; 2: and the indexes of property 0 and of the flag.
inline constexpr int kStoreSchemaVersion = 2;
// The property whose non-zero values the file indexes (in a day record: alarms are set).
inline constexpr uint16_t kIndexedFlagProp = 13;

}  // namespace velmora
