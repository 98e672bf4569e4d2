#include "platform/objectstore.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/backup.h"
#include "platform/datapaths.h"
#include "platform/messagebox.h"

namespace velmora {

namespace {

constexpr size_t kMaxNameLength = 32;

std::mutex g_mutex;                                            // guards the three below
std::string g_vfs;                                             // VFS for new connections
std::set<std::string> g_reported;                              // files already reported this run
std::map<std::pair<std::string, int64_t>, int> g_openHandles;  // (file, db) -> handles

const char* const kSchema =
    "CREATE TABLE databases("
    " id INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL UNIQUE COLLATE NOCASE,"
    " type INTEGER NOT NULL);"
    "CREATE TABLE records("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " db INTEGER NOT NULL);"
    "CREATE TABLE props("
    " db INTEGER NOT NULL,"
    " record INTEGER NOT NULL,"
    " pos INTEGER NOT NULL,"
    " prop INTEGER NOT NULL,"
    " type INTEGER NOT NULL,"
    " value,"
    " PRIMARY KEY(db, record, pos)) WITHOUT ROWID;";

// Format 2: the days by their date (property 0), and the days with alarms set, so that a
// look-up of a day or a range of days reads only those days. The walks' statements below
// name the same conditions, so SQLite takes these indexes for them.
const char* const kIndexes =
    "CREATE INDEX IF NOT EXISTS props_day ON props(db, prop, value, record) WHERE prop = 0;"
    "CREATE INDEX IF NOT EXISTS props_flagged ON props(db, prop, record, value) WHERE prop = 13 "
    "AND value <> 0;";
static_assert(kIndexedFlagProp == 13);

std::string CurrentVfs() {
    std::lock_guard lock(g_mutex);
    return g_vfs;
}

// Why a file cannot be used: a reason the user reads, and what the system said, if anything.
struct StoreProblem {
    const char* what = nullptr;
    std::string detail;
};

// Tells the user once per run that the file cannot be used, naming it.
void ReportStoreProblem(const std::string& path, const StoreProblem& why) {
    {
        std::lock_guard lock(g_mutex);
        if (!g_reported.insert(path).second) {
            return;
        }
    }
    const char* what = why.what ? why.what : QT_TRANSLATE_NOOP("Message", "it cannot be read");
    if (why.detail.empty()) {
        ShowFilledMessageBox(
            QT_TRANSLATE_NOOP("Message",
                              "The diary file\n%1\ncannot be used: %2.\nVelmora leaves the file "
                              "unchanged. To start a new diary, move the file to another folder."),
            {path, what}, QT_TRANSLATE_NOOP("Message", "Error"), MbIcon::Stop, MbButtons::Ok,
            kForegroundWindow);
    } else {
        ShowFilledMessageBox(
            QT_TRANSLATE_NOOP("Message",
                              "The diary file\n%1\ncannot be used: %2 (%3).\nVelmora leaves the "
                              "file unchanged. To start a new diary, move the file to another "
                              "folder."),
            {path, what, why.detail}, QT_TRANSLATE_NOOP("Message", "Error"), MbIcon::Stop,
            MbButtons::Ok, kForegroundWindow);
    }
}

// Tells the user once per run that the file has a format newer than this program knows.
void ReportNewerFormat(const std::string& path, int version) {
    {
        std::lock_guard lock(g_mutex);
        if (!g_reported.insert(path).second) {
            return;
        }
    }
    ShowFilledMessageBox(
        QT_TRANSLATE_NOOP("Message",
                          "The diary file\n%1\nhas file format %2, written by a newer version of "
                          "Velmora; this version reads formats up to %3.\nVelmora leaves the file "
                          "unchanged. Use a newer version of Velmora to open it."),
        {path, std::to_string(version), std::to_string(kStoreSchemaVersion)},
        QT_TRANSLATE_NOOP("Message", "Error"), MbIcon::Stop, MbButtons::Ok, kForegroundWindow);
}

uint32_t ReadBe32(const unsigned char* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

enum class FileState { Missing, Valid, Invalid };

// Looks at the file's header without letting SQLite near it, so a file that is not ours, or
// that was cut short, is never written to (SQLite would otherwise set it up as a database).
FileState CheckStoreFile(const std::string& path, StoreProblem& why) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            return FileState::Missing;
        }
        why = {QT_TRANSLATE_NOOP("Message", "it cannot be opened"), std::strerror(errno)};
        return FileState::Invalid;
    }
    struct stat st {};
    unsigned char header[100];
    const bool statted = fstat(fd, &st) == 0;
    const ssize_t got = statted && S_ISREG(st.st_mode) ? pread(fd, header, sizeof header, 0) : -1;
    close(fd);
    if (!statted || !S_ISREG(st.st_mode)) {
        why.what = QT_TRANSLATE_NOOP("Message", "it is not a regular file");
        return FileState::Invalid;
    }
    if (st.st_size == 0) {
        why.what = QT_TRANSLATE_NOOP("Message", "it is empty");
        return FileState::Invalid;
    }
    if (got != static_cast<ssize_t>(sizeof header) ||
        std::memcmp(header, "SQLite format 3", 16) != 0) {
        why.what = QT_TRANSLATE_NOOP("Message", "it is not a Velmora diary");
        return FileState::Invalid;
    }
    uint32_t pageSize = (uint32_t{header[16]} << 8) | header[17];
    if (pageSize == 1) {
        pageSize = 65536;
    }
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0) {
        why.what = QT_TRANSLATE_NOOP("Message", "it is damaged");
        return FileState::Invalid;
    }
    if (ReadBe32(header + 68) != kStoreApplicationId) {
        why.what = QT_TRANSLATE_NOOP("Message", "it is not a Velmora diary");
        return FileState::Invalid;
    }
    // The page count in the header is valid when its version stamp matches the change
    // counter; a file shorter than that count has lost its end.
    const uint32_t pages = ReadBe32(header + 28);
    if (ReadBe32(header + 92) == ReadBe32(header + 24) && pages > 0 &&
        static_cast<uint64_t>(st.st_size) < static_cast<uint64_t>(pages) * pageSize) {
        why = {QT_TRANSLATE_NOOP("Message", "it is damaged"),
               QT_TRANSLATE_NOOP("Message", "cut short")};
        return FileState::Invalid;
    }
    return FileState::Valid;
}

StoreStatus StatusFromErrno(int err) {
    if (err == ENOSPC || err == EDQUOT || err == EFBIG) {
        return StoreStatus::DiskFull;
    }
    if (err == ENOMEM) {
        return StoreStatus::OutOfMemory;
    }
    return StoreStatus::IoError;
}

void RemoveWithSidecars(const std::string& path) {
    unlink(path.c_str());
    unlink((path + "-wal").c_str());
    unlink((path + "-shm").c_str());
    unlink((path + "-journal").c_str());
}

void SyncDirectory(const std::string& dir) {
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

int ExecAll(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

// Makes a new, empty store at `path`: built under a temporary name and renamed into place,
// so a crash never leaves a half-made file where the diary belongs.
StoreStatus CreateStoreFile(const std::string& path) {
    const std::string dir = path.substr(0, path.rfind('/'));
    if (!DataPaths::EnsurePrivateDir(dir)) {
        const int err = errno;
        ShowFilledMessageBox(
            QT_TRANSLATE_NOOP("Message", "The diary folder\n%1\ncannot be created: %2."),
            {dir, std::strerror(err)}, QT_TRANSLATE_NOOP("Message", "Error"), MbIcon::Stop,
            MbButtons::Ok, kForegroundWindow);
        return StatusFromErrno(err);
    }
    const std::string tmp = path + ".new-" + std::to_string(getpid());
    RemoveWithSidecars(tmp);
    const int fd = open(tmp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) {
        return StatusFromErrno(errno);
    }
    close(fd);

    const std::string vfs = CurrentVfs();
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(tmp.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                             vfs.empty() ? nullptr : vfs.c_str());
    if (rc == SQLITE_OK) {
        const std::string init =
            "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL; BEGIN; "
            "PRAGMA application_id=" +
            std::to_string(kStoreApplicationId) +
            "; PRAGMA user_version=" + std::to_string(kStoreSchemaVersion) + "; " + kSchema +
            kIndexes + " COMMIT;";
        rc = ExecAll(db, init.c_str());
    }
    const int closeRc = sqlite3_close(db);
    if (rc == SQLITE_OK) {
        rc = closeRc;
    }
    if (rc != SQLITE_OK) {
        RemoveWithSidecars(tmp);
        return (rc & 0xff) == SQLITE_FULL    ? StoreStatus::DiskFull
               : (rc & 0xff) == SQLITE_NOMEM ? StoreStatus::OutOfMemory
                                             : StoreStatus::IoError;
    }
    chmod(tmp.c_str(), 0600);
    if (renameat2(AT_FDCWD, tmp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) != 0) {
        const int err = errno;
        RemoveWithSidecars(tmp);
        if (err != EEXIST) {  // EEXIST: another process made it first; use theirs
            return StatusFromErrno(err);
        }
    }
    SyncDirectory(dir);
    return StoreStatus::Ok;
}

}  // namespace

// One thread's connection to the store file.
class StoreConnection {
public:
    ~StoreConnection() {
        for (auto& [sql, stmt] : m_cache) {
            sqlite3_finalize(stmt);
        }
        sqlite3_close_v2(db);
    }

    // Opens an existing, checked file. Nothing is written to it.
    StoreStatus OpenFile(const std::string& file, const struct stat& st) {
        path = file;
        dev = st.st_dev;
        ino = st.st_ino;
        const std::string vfs = CurrentVfs();
        int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                                 vfs.empty() ? nullptr : vfs.c_str());
        if (rc != SQLITE_OK) {
            ReportStoreProblem(
                path, {QT_TRANSLATE_NOOP("Message", "it cannot be opened"), sqlite3_errstr(rc)});
            return StoreStatus::BadStore;
        }
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, 5000);
        // A file is data, never code: no triggers or views of its own run with our writes.
        sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        ExecAll(db, "PRAGMA synchronous=FULL");

        int tables = 0;
        int version = 0;
        std::string journal;
        rc = QueryInt(
            "SELECT count(*) FROM sqlite_schema WHERE type='table' AND "
            "name IN ('databases','records','props')",
            tables);
        if (rc == SQLITE_OK) {
            rc = QueryInt("PRAGMA user_version", version);
        }
        if (rc != SQLITE_OK) {
            const bool damaged = (rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB;
            ReportStoreProblem(path, {damaged ? QT_TRANSLATE_NOOP("Message", "it is damaged")
                                              : QT_TRANSLATE_NOOP("Message", "it cannot be read"),
                                      sqlite3_errstr(rc)});
            return StoreStatus::BadStore;
        }
        if (tables != 3) {
            ReportStoreProblem(path,
                               {QT_TRANSLATE_NOOP("Message", "it is not a Velmora diary"), {}});
            return StoreStatus::BadStore;
        }
        if (version > kStoreSchemaVersion) {
            ReportNewerFormat(path, version);
            return StoreStatus::BadStore;
        }
        sqlite3_stmt* jm = Prepare("PRAGMA journal_mode");
        if (jm && sqlite3_step(jm) == SQLITE_ROW) {
            const auto* mode = reinterpret_cast<const char*>(sqlite3_column_text(jm, 0));
            journal = mode ? mode : "";
        }
        if (jm) {
            sqlite3_reset(jm);
        }
        if (journal != "wal") {
            ExecAll(db, "PRAGMA journal_mode=WAL");
        }
        if (version < kStoreSchemaVersion) {
            Upgrade();
        }
        return StoreStatus::Ok;
    }

    // Brings a file of format 1 to this format: after a safety copy of the file as it is, in
    // one transaction, so that a crash leaves format 1 or format 2 and never anything in
    // between. Without the copy nothing changes. A file that stays at format 1 is used as it
    // is: every statement works without the indexes, only slower.
    void Upgrade() {
        const BackupOutcome safety = WriteSafetyBackup(SafetyReason::Migration);
        if (safety.status != BackupStatus::BackedUp) {
            std::fprintf(stderr, "velmora: the diary stays at file format 1: no safety copy (%s)\n",
                         safety.problem.detail.c_str());
            return;
        }
        if (ExecAll(db, "BEGIN IMMEDIATE") != SQLITE_OK) {
            return;
        }
        int version = 0;
        // Another process may have upgraded the file since it was looked at.
        int rc = QueryInt("PRAGMA user_version", version);
        if (rc == SQLITE_OK && version < kStoreSchemaVersion) {
            const std::string upgrade = std::string(kIndexes) + "PRAGMA user_version=" +
                                        std::to_string(kStoreSchemaVersion);
            rc = ExecAll(db, upgrade.c_str());
        }
        if (rc == SQLITE_OK) {
            rc = ExecAll(db, "COMMIT");
        }
        if (rc != SQLITE_OK) {
            std::fprintf(stderr, "velmora: the diary stays at file format 1: %s\n",
                         sqlite3_errstr(rc));
            if (!sqlite3_get_autocommit(db)) {
                ExecAll(db, "ROLLBACK");
            }
        }
    }

    int QueryInt(const char* sql, int& out) {
        sqlite3_stmt* s = Prepare(sql);
        if (!s) {
            return sqlite3_errcode(db);
        }
        int rc = sqlite3_step(s);
        if (rc == SQLITE_ROW) {
            out = sqlite3_column_int(s, 0);
            rc = SQLITE_OK;
        } else if (rc == SQLITE_DONE) {
            rc = SQLITE_OK;
        }
        sqlite3_reset(s);
        return rc;
    }

    // Cached statement for an SQL text (the same text, wherever it comes from, shares one).
    sqlite3_stmt* Prepare(const char* sql) {
        auto it = m_cache.find(std::string_view(sql));
        if (it != m_cache.end()) {
            return it->second;
        }
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) !=
            SQLITE_OK) {
            return nullptr;
        }
        m_cache.emplace(sql, stmt);
        return stmt;
    }

    // Maps a failed SQLite call to a status; damage is reported (once) here.
    StoreStatus Fail(int rc) {
        switch (rc & 0xff) {
            case SQLITE_OK:
            case SQLITE_ROW:
            case SQLITE_DONE:
                return StoreStatus::Ok;
            case SQLITE_FULL:
                return StoreStatus::DiskFull;
            case SQLITE_NOMEM:
                return StoreStatus::OutOfMemory;
            case SQLITE_CORRUPT:
            case SQLITE_NOTADB:
                bad = true;
                ReportStoreProblem(
                    path, {QT_TRANSLATE_NOOP("Message", "it is damaged"), sqlite3_errstr(rc)});
                return StoreStatus::BadStore;
            default:
                return StoreStatus::IoError;
        }
    }

    // Every write first stops the scans of this connection: a read statement left running
    // would hold the write's commit back.
    void ResetScans() {
        for (StoreDatabase* h : handles) {
            h->ResetScan();
        }
    }

    StoreStatus Begin() {
        ResetScans();
        const int rc = ExecAll(db, txDepth == 0 ? "BEGIN IMMEDIATE" : "SAVEPOINT nested");
        if (rc != SQLITE_OK) {
            return Fail(rc);
        }
        ++txDepth;
        return StoreStatus::Ok;
    }

    StoreStatus Commit() {
        if (txDepth == 0) {
            return StoreStatus::InvalidParameter;
        }
        if (txDepth > 1) {
            --txDepth;
            return Fail(ExecAll(db, "RELEASE nested"));
        }
        const int rc = ExecAll(db, "COMMIT");
        if (rc != SQLITE_OK) {
            if (!sqlite3_get_autocommit(db)) {
                ExecAll(db, "ROLLBACK");
            }
            txDepth = 0;
            return Fail(rc);
        }
        txDepth = 0;
        return StoreStatus::Ok;
    }

    void Rollback() {
        if (txDepth == 0) {
            return;
        }
        if (--txDepth > 0) {
            ExecAll(db, "ROLLBACK TO nested; RELEASE nested");
        } else if (!sqlite3_get_autocommit(db)) {
            ExecAll(db, "ROLLBACK");
        }
    }

    sqlite3* db = nullptr;
    std::string path;
    dev_t dev = 0;
    ino_t ino = 0;
    bool bad = false;
    int txDepth = 0;
    std::vector<StoreDatabase*> handles;

private:
    struct SqlHash {
        using is_transparent = void;
        size_t operator()(std::string_view sql) const { return std::hash<std::string_view>{}(sql); }
    };
    std::unordered_map<std::string, sqlite3_stmt*, SqlHash, std::equal_to<>> m_cache;
};

namespace {

thread_local std::shared_ptr<StoreConnection> t_conn;

// This thread's connection to the current store file. With `create`, a missing file is
// made; without, a missing file is NotFound. A damaged file is reported once and BadStore.
std::shared_ptr<StoreConnection> Connect(bool create, StoreStatus& status) {
    const std::string path = ObjectStore::FilePath();
    struct stat st {};
    const bool present = stat(path.c_str(), &st) == 0;
    if (t_conn && t_conn->path == path && present && t_conn->dev == st.st_dev &&
        t_conn->ino == st.st_ino) {
        status = t_conn->bad ? StoreStatus::BadStore : StoreStatus::Ok;
        return t_conn->bad ? nullptr : t_conn;
    }
    StoreProblem why;
    FileState state = CheckStoreFile(path, why);
    if (state == FileState::Missing) {
        if (!create) {
            status = StoreStatus::NotFound;
            return nullptr;
        }
        status = CreateStoreFile(path);
        if (status != StoreStatus::Ok) {
            return nullptr;
        }
        state = CheckStoreFile(path, why);
    }
    if (state != FileState::Valid || stat(path.c_str(), &st) != 0) {
        ReportStoreProblem(path, why);
        status = StoreStatus::BadStore;
        return nullptr;
    }
    auto conn = std::make_shared<StoreConnection>();
    status = conn->OpenFile(path, st);
    if (status != StoreStatus::Ok) {
        return nullptr;
    }
    t_conn = conn;
    return conn;
}

bool ValidName(std::u16string_view name) {
    return !name.empty() && name.size() <= kMaxNameLength &&
           name.find(u'\0') == std::u16string_view::npos;
}

int BindName(sqlite3_stmt* s, int index, std::u16string_view name) {
    return sqlite3_bind_text16(s, index, name.data(), static_cast<int>(name.size() * 2),
                               SQLITE_TRANSIENT);
}

}  // namespace

// ---- ObjectStore ----

std::string ObjectStore::FilePath() {
    return DataPaths::StoreFile();
}

bool ObjectStore::FileExists() {
    struct stat st {};
    return stat(FilePath().c_str(), &st) == 0 || errno != ENOENT;
}

void ObjectStore::SetVfsForTesting(const std::string& vfsName) {
    std::lock_guard lock(g_mutex);
    g_vfs = vfsName;
}

void ObjectStore::ResetReportsForTesting() {
    std::lock_guard lock(g_mutex);
    g_reported.clear();
}

void ObjectStore::CloseThreadConnection() {
    t_conn.reset();
}

// ---- StoreDatabase ----

StoreDatabase::StoreDatabase(std::shared_ptr<StoreConnection> conn, int64_t dbId,
                             std::u16string name, uint32_t type)
    : m_conn(std::move(conn)), m_dbId(dbId), m_name(std::move(name)), m_type(type) {
    m_conn->handles.push_back(this);
    std::lock_guard lock(g_mutex);
    ++g_openHandles[{m_conn->path, m_dbId}];
}

StoreDatabase::~StoreDatabase() {
    for (sqlite3_stmt* scan : m_scans) {
        sqlite3_finalize(scan);
    }
    auto& hs = m_conn->handles;
    hs.erase(std::remove(hs.begin(), hs.end(), this), hs.end());
    std::lock_guard lock(g_mutex);
    auto it = g_openHandles.find({m_conn->path, m_dbId});
    if (it != g_openHandles.end() && --it->second == 0) {
        g_openHandles.erase(it);
    }
}

StoreStatus StoreDatabase::Create(std::u16string_view name, uint32_t type) {
    if (!ValidName(name)) {
        return StoreStatus::InvalidParameter;
    }
    StoreStatus status;
    auto conn = Connect(true, status);
    if (!conn) {
        return status;
    }
    conn->ResetScans();
    sqlite3_stmt* s = conn->Prepare("INSERT INTO databases(name, type) VALUES(?1, ?2)");
    if (!s) {
        return conn->Fail(sqlite3_errcode(conn->db));
    }
    BindName(s, 1, name);
    sqlite3_bind_int64(s, 2, type);
    const int rc = sqlite3_step(s);
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
    if ((rc & 0xff) == SQLITE_CONSTRAINT) {
        return StoreStatus::DupName;
    }
    return rc == SQLITE_DONE ? StoreStatus::Ok : conn->Fail(rc);
}

StoreStatus StoreDatabase::Open(std::u16string_view name, std::unique_ptr<StoreDatabase>& out) {
    out.reset();
    if (!ValidName(name)) {
        return StoreStatus::InvalidParameter;
    }
    StoreStatus status;
    auto conn = Connect(false, status);
    if (!conn) {
        return status;
    }
    sqlite3_stmt* s = conn->Prepare("SELECT id, type FROM databases WHERE name = ?1");
    if (!s) {
        return conn->Fail(sqlite3_errcode(conn->db));
    }
    BindName(s, 1, name);
    const int rc = sqlite3_step(s);
    if (rc == SQLITE_ROW) {
        const int64_t id = sqlite3_column_int64(s, 0);
        const auto type = static_cast<uint32_t>(sqlite3_column_int64(s, 1));
        sqlite3_reset(s);
        out.reset(new StoreDatabase(conn, id, std::u16string(name), type));
        return StoreStatus::Ok;
    }
    sqlite3_reset(s);
    return rc == SQLITE_DONE ? StoreStatus::NotFound : conn->Fail(rc);
}

bool StoreDatabase::Exists(std::u16string_view name) {
    if (!ValidName(name)) {
        return false;
    }
    StoreStatus status;
    auto conn = Connect(false, status);
    if (!conn) {
        return false;
    }
    sqlite3_stmt* s = conn->Prepare("SELECT 1 FROM databases WHERE name = ?1");
    if (!s) {
        conn->Fail(sqlite3_errcode(conn->db));
        return false;
    }
    BindName(s, 1, name);
    const int rc = sqlite3_step(s);
    sqlite3_reset(s);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        conn->Fail(rc);
    }
    return rc == SQLITE_ROW;
}

namespace {

// The scan statement of each kind of walk, by StoreDatabase::Walk. The narrowed walks find
// their records through the file's indexes (their conditions are those of the indexes; the
// unary + keeps SQLite from walking the records instead) and step over them in order.
const char* const kScanSql[3] = {
    "SELECT record, prop, type, value FROM props "
    "WHERE db = ?1 AND record >= ?2 ORDER BY record, pos",
    "SELECT record, prop, type, value FROM props WHERE db = ?1 AND record IN "
    "(SELECT record FROM props WHERE db = ?1 AND prop = 0 AND value BETWEEN ?3 AND ?4 "
    "AND +record >= ?2) ORDER BY record, pos",
    "SELECT record, prop, type, value FROM props WHERE db = ?1 AND record IN "
    "(SELECT record FROM props WHERE db = ?1 AND prop = 13 AND value <> 0 AND +record >= ?2) "
    "ORDER BY record, pos",
};

}  // namespace

void StoreDatabase::SetWalk(Walk walk) {
    if (walk != m_walk || walk == Walk::KeyRange) {
        ResetScan();  // a scan of the walk before goes no further
    }
    m_walk = walk;
}

bool StoreDatabase::StartScan(RecordId from, bool narrowed) {
    const Walk kind = narrowed ? m_walk : Walk::All;
    sqlite3_stmt*& stmt = m_scans[static_cast<int>(kind)];
    if (!stmt) {
        if (sqlite3_prepare_v3(m_conn->db, kScanSql[static_cast<int>(kind)], -1,
                               SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK) {
            m_scanError = m_conn->Fail(sqlite3_errcode(m_conn->db));
            stmt = nullptr;
            return false;
        }
    }
    if (m_scan && m_scan != stmt) {
        sqlite3_reset(m_scan);
    }
    m_scan = stmt;
    m_scanWalk = kind;
    sqlite3_reset(m_scan);
    sqlite3_bind_int64(m_scan, 1, m_dbId);
    sqlite3_bind_int64(m_scan, 2, from);
    if (kind == Walk::KeyRange) {
        sqlite3_bind_int64(m_scan, 3, m_keyLo);
        sqlite3_bind_int64(m_scan, 4, m_keyHi);
    }
    m_scanAfter = 0;
    return StepScan();
}

bool StoreDatabase::StepScan() {
    const int rc = sqlite3_step(m_scan);
    if (rc == SQLITE_ROW) {
        m_rowValid = true;
        m_rowRecord = static_cast<RecordId>(sqlite3_column_int64(m_scan, 0));
        return true;
    }
    m_rowValid = false;
    sqlite3_reset(m_scan);  // ends the read, so it holds nothing back
    if (rc != SQLITE_DONE) {
        m_scanError = ScanError(rc);
    }
    return false;
}

void StoreDatabase::ResetScan() {
    if (m_scan) {
        sqlite3_reset(m_scan);
    }
    m_rowValid = false;
    m_scanAfter = 0;
}

StoreStatus StoreDatabase::ScanError(int rc) {
    return m_conn->Fail(rc);
}

RecordId StoreDatabase::Seek(SeekFrom from, int32_t offset) {
    auto nextAfter = [this](RecordId rec) -> RecordId {
        // The scan in use goes on only when it is one of this walk.
        const bool walking = m_scan && m_scanWalk == m_walk;
        if (walking && m_rowValid && m_rowRecord == rec) {
            while (StepScan() && m_rowRecord == rec) {
            }
            m_scanAfter = rec;
        } else if (!walking || m_scanAfter != rec || rec == 0) {
            StartScan(rec + 1, true);
        }
        return m_rowValid ? m_rowRecord : 0;
    };
    auto prevBefore = [this](int64_t rec) -> RecordId {
        ResetScan();
        sqlite3_stmt* s =
            m_conn->Prepare("SELECT max(record) FROM props WHERE db = ?1 AND record < ?2");
        if (!s) {
            m_seekStatus = m_conn->Fail(sqlite3_errcode(m_conn->db));
            return 0;
        }
        sqlite3_bind_int64(s, 1, m_dbId);
        sqlite3_bind_int64(s, 2, rec);
        RecordId out = 0;
        const int rc = sqlite3_step(s);
        if (rc == SQLITE_ROW) {
            out = static_cast<RecordId>(sqlite3_column_int64(s, 0));
        } else {
            m_seekStatus = m_conn->Fail(rc);
        }
        sqlite3_reset(s);
        return out;
    };

    m_seekStatus = StoreStatus::Ok;
    m_scanError = StoreStatus::Ok;
    RecordId rec = 0;
    switch (from) {
        case SeekFrom::Beginning:
            if (offset < 0) {
                break;
            }
            StartScan(1, true);
            rec = m_rowValid ? m_rowRecord : 0;
            for (int32_t i = 0; i < offset && rec != 0; ++i) {
                rec = nextAfter(rec);
            }
            break;
        case SeekFrom::Current:
            rec = m_current;
            for (int32_t i = 0; i < offset && rec != 0; ++i) {
                rec = nextAfter(rec);
            }
            for (int32_t i = 0; i > offset && rec != 0; --i) {
                rec = prevBefore(rec);
            }
            break;
        case SeekFrom::End:
            if (offset < 0) {
                break;
            }
            rec = prevBefore(int64_t{1} << 32);  // the last record
            for (int32_t i = 0; i < offset && rec != 0; ++i) {
                rec = prevBefore(rec);
            }
            break;
    }
    if (m_seekStatus == StoreStatus::Ok) {
        m_seekStatus = m_scanError;
    }
    m_current = rec;
    return rec;
}

RecordId StoreDatabase::SeekRecord(RecordId record) {
    m_current = 0;
    m_seekStatus = StoreStatus::Ok;
    if (record == 0) {
        return 0;
    }
    if (m_rowValid && m_rowRecord == record) {
        m_current = record;
        return record;
    }
    sqlite3_stmt* s = m_conn->Prepare("SELECT 1 FROM props WHERE db = ?1 AND record = ?2 LIMIT 1");
    if (!s) {
        m_seekStatus = m_conn->Fail(sqlite3_errcode(m_conn->db));
        return 0;
    }
    sqlite3_bind_int64(s, 1, m_dbId);
    sqlite3_bind_int64(s, 2, record);
    const int rc = sqlite3_step(s);
    sqlite3_reset(s);
    if (rc == SQLITE_ROW) {
        m_current = record;
    } else if (rc != SQLITE_DONE) {
        m_seekStatus = m_conn->Fail(rc);
    }
    return m_current;
}

namespace {

void ReadRow(sqlite3_stmt* s, StoredProp& p) {
    p.id = static_cast<uint16_t>(sqlite3_column_int64(s, 1));
    p.type = static_cast<uint16_t>(sqlite3_column_int64(s, 2));
    p.i = 0;
    p.r = 0.0;
    p.text.clear();
    p.blob.clear();
    switch (p.type) {
        case CEVT_R8:
            p.r = sqlite3_column_double(s, 3);
            break;
        case CEVT_LPWSTR: {
            const auto* t = static_cast<const char16_t*>(sqlite3_column_text16(s, 3));
            if (t) {
                p.text.assign(t, static_cast<size_t>(sqlite3_column_bytes16(s, 3)) / 2);
            }
            break;
        }
        case CEVT_BLOB: {
            const auto* b = static_cast<const uint8_t*>(sqlite3_column_blob(s, 3));
            if (b) {
                p.blob.assign(b, b + sqlite3_column_bytes(s, 3));
            }
            break;
        }
        default:
            p.i = sqlite3_column_int64(s, 3);
            break;
    }
}

}  // namespace

StoreStatus StoreDatabase::ReadCurrent(std::vector<StoredProp>& props) {
    const RecordId rec = m_current;
    if (rec == 0) {
        props.clear();
        return StoreStatus::InvalidParameter;
    }
    m_scanError = StoreStatus::Ok;
    if (!(m_rowValid && m_rowRecord == rec) && (!StartScan(rec, false) || m_rowRecord != rec)) {
        props.clear();
        return m_scanError != StoreStatus::Ok ? m_scanError : StoreStatus::InvalidParameter;
    }
    size_t n = 0;
    do {
        if (n == props.size()) {
            props.emplace_back();
        }
        ReadRow(m_scan, props[n++]);
    } while (StepScan() && m_rowRecord == rec);
    // A step that failed cut the record short: none of it counts.
    if (m_scanError != StoreStatus::Ok) {
        props.clear();
        return m_scanError;
    }
    m_scanAfter = rec;
    props.resize(n);
    return StoreStatus::Ok;
}

StoreStatus StoreDatabase::ReadCurrentProp(uint16_t propId, StoredProp& prop) {
    const RecordId rec = m_current;
    if (rec == 0) {
        return StoreStatus::InvalidParameter;
    }
    m_scanError = StoreStatus::Ok;
    if (!(m_rowValid && m_rowRecord == rec) && (!StartScan(rec, false) || m_rowRecord != rec)) {
        return m_scanError != StoreStatus::Ok ? m_scanError : StoreStatus::InvalidParameter;
    }
    bool found = false;
    do {
        if (!found && static_cast<uint16_t>(sqlite3_column_int64(m_scan, 1)) == propId) {
            ReadRow(m_scan, prop);
            found = true;
        }
    } while (StepScan() && m_rowRecord == rec);
    if (m_scanError != StoreStatus::Ok) {
        return m_scanError;
    }
    m_scanAfter = rec;
    return found ? StoreStatus::Ok : StoreStatus::NotFound;
}

namespace {

int BindValue(sqlite3_stmt* s, int index, const StoredProp& p) {
    switch (p.type) {
        case CEVT_I2:
            return sqlite3_bind_int64(s, index, static_cast<int16_t>(p.i));
        case CEVT_UI2:
            return sqlite3_bind_int64(s, index, static_cast<uint16_t>(p.i));
        case CEVT_I4:
        case CEVT_BOOL:
            return sqlite3_bind_int64(s, index, static_cast<int32_t>(p.i));
        case CEVT_UI4:
            return sqlite3_bind_int64(s, index, static_cast<uint32_t>(p.i));
        case CEVT_FILETIME:
            return sqlite3_bind_int64(s, index, p.i);
        case CEVT_R8:
            return sqlite3_bind_double(s, index, p.r);
        case CEVT_LPWSTR:
            return sqlite3_bind_text16(s, index, p.text.data(), static_cast<int>(p.text.size() * 2),
                                       SQLITE_STATIC);
        case CEVT_BLOB:
            return p.blob.empty()
                       ? sqlite3_bind_zeroblob(s, index, 0)
                       : sqlite3_bind_blob(s, index, p.blob.data(), static_cast<int>(p.blob.size()),
                                           SQLITE_STATIC);
        default:
            return SQLITE_MISUSE;
    }
}

bool KnownType(uint16_t type) {
    switch (type) {
        case CEVT_I2:
        case CEVT_I4:
        case CEVT_R8:
        case CEVT_BOOL:
        case CEVT_UI2:
        case CEVT_UI4:
        case CEVT_LPWSTR:
        case CEVT_FILETIME:
        case CEVT_BLOB:
            return true;
        default:
            return false;
    }
}

}  // namespace

StoreStatus StoreDatabase::Write(RecordId record, const StoredProp* props, size_t count,
                                 RecordId& written) {
    written = 0;
    if (count == 0 || count > 0xFFFF) {
        return StoreStatus::InvalidParameter;
    }
    for (size_t i = 0; i < count; ++i) {
        if (!KnownType(props[i].type) ||
            (props[i].type == CEVT_BLOB && props[i].blob.size() > 0x7FFFFFFF) ||
            props[i].text.size() > 0x3FFFFFFF) {
            return StoreStatus::InvalidParameter;
        }
    }
    StoreStatus st = Begin();
    if (st != StoreStatus::Ok) {
        return st;
    }
    auto fail = [&](StoreStatus s) {
        Rollback();
        return s;
    };
    int rc;
    RecordId id = record;
    if (record == 0) {
        sqlite3_stmt* s = m_conn->Prepare("INSERT INTO records(db) VALUES(?1)");
        if (!s) {
            return fail(m_conn->Fail(sqlite3_errcode(m_conn->db)));
        }
        sqlite3_bind_int64(s, 1, m_dbId);
        rc = sqlite3_step(s);
        sqlite3_reset(s);
        if (rc != SQLITE_DONE) {
            return fail(m_conn->Fail(rc));
        }
        const sqlite3_int64 rowid = sqlite3_last_insert_rowid(m_conn->db);
        if (rowid <= 0 || rowid > 0xFFFFFFFFLL) {
            return fail(StoreStatus::DiskFull);  // identifiers used up
        }
        id = static_cast<RecordId>(rowid);
    } else {
        sqlite3_stmt* s = m_conn->Prepare("SELECT 1 FROM records WHERE id = ?1 AND db = ?2");
        if (!s) {
            return fail(m_conn->Fail(sqlite3_errcode(m_conn->db)));
        }
        sqlite3_bind_int64(s, 1, record);
        sqlite3_bind_int64(s, 2, m_dbId);
        rc = sqlite3_step(s);
        sqlite3_reset(s);
        if (rc != SQLITE_ROW) {
            return fail(rc == SQLITE_DONE ? StoreStatus::InvalidParameter : m_conn->Fail(rc));
        }
        sqlite3_stmt* d = m_conn->Prepare("DELETE FROM props WHERE db = ?1 AND record = ?2");
        if (!d) {
            return fail(m_conn->Fail(sqlite3_errcode(m_conn->db)));
        }
        sqlite3_bind_int64(d, 1, m_dbId);
        sqlite3_bind_int64(d, 2, record);
        rc = sqlite3_step(d);
        sqlite3_reset(d);
        if (rc != SQLITE_DONE) {
            return fail(m_conn->Fail(rc));
        }
    }
    sqlite3_stmt* ins = m_conn->Prepare(
        "INSERT INTO props(db, record, pos, prop, type, value) VALUES(?1, ?2, ?3, ?4, ?5, ?6)");
    if (!ins) {
        return fail(m_conn->Fail(sqlite3_errcode(m_conn->db)));
    }
    for (size_t i = 0; i < count; ++i) {
        sqlite3_bind_int64(ins, 1, m_dbId);
        sqlite3_bind_int64(ins, 2, id);
        sqlite3_bind_int64(ins, 3, static_cast<sqlite3_int64>(i));
        sqlite3_bind_int64(ins, 4, props[i].id);
        sqlite3_bind_int64(ins, 5, props[i].type);
        rc = BindValue(ins, 6, props[i]);
        if (rc == SQLITE_OK) {
            rc = sqlite3_step(ins);
        }
        sqlite3_reset(ins);
        sqlite3_clear_bindings(ins);
        if (rc != SQLITE_DONE) {
            return fail(rc == SQLITE_TOOBIG ? StoreStatus::InvalidParameter : m_conn->Fail(rc));
        }
    }
    st = Commit();
    if (st != StoreStatus::Ok) {
        return st;
    }
    m_current = id;
    written = id;
    return StoreStatus::Ok;
}

StoreStatus StoreDatabase::DeleteRecord(RecordId record) {
    if (record == 0) {
        return StoreStatus::InvalidParameter;
    }
    StoreStatus st = Begin();
    if (st != StoreStatus::Ok) {
        return st;
    }
    sqlite3_stmt* d = m_conn->Prepare("DELETE FROM records WHERE id = ?1 AND db = ?2");
    sqlite3_stmt* p = m_conn->Prepare("DELETE FROM props WHERE db = ?2 AND record = ?1");
    if (!d || !p) {
        st = m_conn->Fail(sqlite3_errcode(m_conn->db));
        Rollback();
        return st;
    }
    int changed = 0;
    int rc = SQLITE_DONE;
    for (sqlite3_stmt* s : {d, p}) {
        sqlite3_bind_int64(s, 1, record);
        sqlite3_bind_int64(s, 2, m_dbId);
        rc = sqlite3_step(s);
        sqlite3_reset(s);
        if (rc != SQLITE_DONE) {
            break;
        }
        changed += sqlite3_changes(m_conn->db);
    }
    if (rc != SQLITE_DONE || changed == 0) {
        st = rc != SQLITE_DONE ? m_conn->Fail(rc) : StoreStatus::InvalidParameter;
        Rollback();
        return st;
    }
    return Commit();
}

StoreStatus StoreDatabase::Count(uint32_t& count) {
    count = 0;
    sqlite3_stmt* s = m_conn->Prepare("SELECT count(DISTINCT record) FROM props WHERE db = ?1");
    if (!s) {
        return m_conn->Fail(sqlite3_errcode(m_conn->db));
    }
    sqlite3_bind_int64(s, 1, m_dbId);
    const int rc = sqlite3_step(s);
    if (rc == SQLITE_ROW) {
        count = static_cast<uint32_t>(sqlite3_column_int64(s, 0));
    }
    sqlite3_reset(s);
    return rc == SQLITE_ROW ? StoreStatus::Ok : m_conn->Fail(rc);
}

StoreStatus StoreDatabase::DeleteDatabase() {
    {
        std::lock_guard lock(g_mutex);
        auto it = g_openHandles.find({m_conn->path, m_dbId});
        if (it != g_openHandles.end() && it->second > 1) {
            return StoreStatus::SharingViolation;
        }
    }
    StoreStatus st = Begin();
    if (st != StoreStatus::Ok) {
        return st;
    }
    for (const char* sql : {"DELETE FROM props WHERE db = ?1", "DELETE FROM records WHERE db = ?1",
                            "DELETE FROM databases WHERE id = ?1"}) {
        sqlite3_stmt* s = m_conn->Prepare(sql);
        if (!s) {
            st = m_conn->Fail(sqlite3_errcode(m_conn->db));
            Rollback();
            return st;
        }
        sqlite3_bind_int64(s, 1, m_dbId);
        const int rc = sqlite3_step(s);
        sqlite3_reset(s);
        if (rc != SQLITE_DONE) {
            st = m_conn->Fail(rc);
            Rollback();
            return st;
        }
    }
    st = Commit();
    if (st == StoreStatus::Ok) {
        m_current = 0;
    }
    return st;
}

StoreStatus StoreDatabase::Begin() {
    return m_conn->Begin();
}
StoreStatus StoreDatabase::Commit() {
    return m_conn->Commit();
}
void StoreDatabase::Rollback() {
    m_conn->Rollback();
}

}  // namespace velmora
