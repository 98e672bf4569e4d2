#include "platform/backup.h"

#include <dirent.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/clock.h"
#include "platform/datapaths.h"
#include "platform/objectstore.h"

namespace velmora {

namespace {

constexpr const char* kCannotBeRead = QT_TRANSLATE_NOOP("Message", "it cannot be read");
constexpr const char* kCannotBeOpened = QT_TRANSLATE_NOOP("Message", "it cannot be opened");
constexpr const char* kCannotBeWritten = QT_TRANSLATE_NOOP("Message", "it cannot be written");
constexpr const char* kDiskFull = QT_TRANSLATE_NOOP("Message", "the disk is full");
constexpr const char* kDamaged = QT_TRANSLATE_NOOP("Message", "it is damaged");
constexpr const char* kNotADiary = QT_TRANSLATE_NOOP("Message", "it is not a Velmora diary");
constexpr const char* kNewerVersion =
    QT_TRANSLATE_NOOP("Message", "it was written by a newer version of Velmora");
constexpr const char* kIsTheDiary = QT_TRANSLATE_NOOP("Message", "it is the diary itself");
constexpr const char* kOpenElsewhere =
    QT_TRANSLATE_NOOP("Message", "it is open in another program or was not closed properly");

// ---- Files ----

std::string DirOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path[0] == '/') {
        return path;
    }
    char cwd[4096];
    return getcwd(cwd, sizeof cwd) ? std::string(cwd) + "/" + path : path;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

// A sidecar of SQLite's ("-wal", "-journal") that holds something.
bool NonEmptyFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && st.st_size > 0;
}

void SyncDirectory(const std::string& dir) {
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

bool SyncFile(const std::string& path, DiaryFileProblem& why) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool ok = fd >= 0 && fsync(fd) == 0;
    if (!ok) {
        why = {kCannotBeWritten, std::strerror(errno)};
    }
    if (fd >= 0) {
        close(fd);
    }
    return ok;
}

const char* ReasonForErrno(int err, const char* otherwise) {
    return err == ENOSPC || err == EDQUOT || err == EFBIG ? kDiskFull : otherwise;
}

void RemoveWithSidecars(const std::string& path) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        unlink((path + suffix).c_str());
    }
}

uint32_t ReadBe32(const unsigned char* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

enum class FileState { Missing, Valid, Invalid };

// The file's header, read without letting SQLite near it: SQLite would set up an empty file
// as a new database, and reads of a file that was cut short as zeros.
FileState CheckHeader(const std::string& path, DiaryFileProblem& why) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) {
            why = {kCannotBeOpened, std::strerror(errno)};
            return FileState::Missing;
        }
        why = {kCannotBeOpened, std::strerror(errno)};
        return FileState::Invalid;
    }
    if (!S_ISREG(st.st_mode)) {  // never open a pipe or a device: it may block or eat data
        why = {QT_TRANSLATE_NOOP("Message", "it is not a regular file"), {}};
        return FileState::Invalid;
    }
    if (st.st_size == 0) {
        why = {QT_TRANSLATE_NOOP("Message", "it is empty"), {}};
        return FileState::Invalid;
    }
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        why = {kCannotBeOpened, std::strerror(errno)};
        return FileState::Invalid;
    }
    unsigned char header[100];
    const ssize_t got = pread(fd, header, sizeof header, 0);
    close(fd);
    if (got != static_cast<ssize_t>(sizeof header) ||
        std::memcmp(header, "SQLite format 3", 16) != 0 ||
        ReadBe32(header + 68) != kStoreApplicationId) {
        why = {kNotADiary, {}};
        return FileState::Invalid;
    }
    uint32_t pageSize = (uint32_t{header[16]} << 8) | header[17];
    if (pageSize == 1) {
        pageSize = 65536;
    }
    const uint32_t pages = ReadBe32(header + 28);
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0) {
        why = {kDamaged, {}};
        return FileState::Invalid;
    }
    // The page count is valid when its version stamp matches the change counter.
    if (ReadBe32(header + 92) == ReadBe32(header + 24) && pages > 0 &&
        static_cast<uint64_t>(st.st_size) < static_cast<uint64_t>(pages) * pageSize) {
        why = {kDamaged, QT_TRANSLATE_NOOP("Message", "cut short")};
        return FileState::Invalid;
    }
    return FileState::Valid;
}

// ---- SQLite ----

struct DbCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Db = std::unique_ptr<sqlite3, DbCloser>;

std::string SqliteDetail(sqlite3* db, int rc) {
    std::string detail = sqlite3_errstr(rc);
    if (const int err = db ? sqlite3_system_errno(db) : 0; err != 0) {
        detail += std::string(": ") + std::strerror(err);
    }
    return detail;
}

DiaryFileProblem SqliteProblem(sqlite3* db, int rc, const char* otherwise) {
    switch (rc & 0xff) {
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return {kDamaged, SqliteDetail(db, rc)};
        case SQLITE_FULL:
            return {kDiskFull, SqliteDetail(db, rc)};
        default: {
            const int err = db ? sqlite3_system_errno(db) : 0;
            return {ReasonForErrno(err, otherwise), SqliteDetail(db, rc)};
        }
    }
}

// Opens `path` as SQLite data, never code: none of the file's own triggers or views run.
int OpenDb(const std::string& nameOrUri, int flags, Db& out) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(nameOrUri.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    out.reset(db);
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, 5000);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    }
    return rc;
}

// The first column of each row of `sql`.
int QueryTexts(sqlite3* db, const char* sql, std::vector<std::string>& rows) {
    rows.clear();
    sqlite3_stmt* s = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
    while (rc == SQLITE_OK && (rc = sqlite3_step(s)) == SQLITE_ROW) {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
        rows.emplace_back(t ? t : "");
        rc = SQLITE_OK;
    }
    sqlite3_finalize(s);
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int QueryInt(sqlite3* db, const char* sql, int64_t& out) {
    std::vector<std::string> rows;
    const int rc = QueryTexts(db, sql, rows);
    out = 0;
    if (rc == SQLITE_OK && !rows.empty()) {
        std::from_chars(rows[0].data(), rows[0].data() + rows[0].size(), out);
    }
    return rc;
}

// The checks every diary passes: ours, our tables, a version we know, and whole.
bool CheckOpenDiary(sqlite3* db, DiaryFileProblem& why) {
    int64_t appId = 0, tables = 0, version = 0;
    int rc = QueryInt(db, "PRAGMA application_id", appId);
    if (rc == SQLITE_OK) {
        rc = QueryInt(db,
                      "SELECT count(*) FROM sqlite_schema WHERE type='table' AND "
                      "name IN ('databases','records','props')",
                      tables);
    }
    if (rc == SQLITE_OK) {
        rc = QueryInt(db, "PRAGMA user_version", version);
    }
    std::vector<std::string> integrity;
    if (rc == SQLITE_OK) {
        rc = QueryTexts(db, "PRAGMA integrity_check(1)", integrity);
    }
    if (rc != SQLITE_OK) {
        why = SqliteProblem(db, rc, kCannotBeRead);
        return false;
    }
    if (appId != kStoreApplicationId || tables != 3 || version < 1) {
        why = {kNotADiary, {}};
        return false;
    }
    if (version > kStoreSchemaVersion) {
        why = {kNewerVersion, {}};
        return false;
    }
    if (integrity.size() != 1 || integrity[0] != "ok") {
        why = {kDamaged, integrity.empty() ? std::string() : integrity[0].substr(0, 200)};
        return false;
    }
    return true;
}

// A URI that opens `path` read-only as immutable: SQLite takes no locks and makes no journal,
// WAL or shared-memory file beside it.
std::string ImmutableUri(const std::string& path) {
    std::string uri = "file://";
    for (const char c : AbsolutePath(path)) {
        if (c == '%' || c == '?' || c == '#') {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
            uri += hex;
        } else {
            uri += c;
        }
    }
    return uri + "?immutable=1";
}

// Opens a file that is not the live diary, read-only and checked.
Db OpenCheckedFile(const std::string& path, DiaryFileProblem& why) {
    if (CheckHeader(path, why) != FileState::Valid) {
        return nullptr;
    }
    // What lies in a journal or WAL beside it is not in the file: reading the file alone
    // would give an older or half-written state.
    if (NonEmptyFile(path + "-wal") || NonEmptyFile(path + "-journal")) {
        why = {kOpenElsewhere, {}};
        return nullptr;
    }
    Db db;
    const int rc = OpenDb(ImmutableUri(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, db);
    if (rc != SQLITE_OK) {
        why = SqliteProblem(db.get(), rc, kCannotBeOpened);
        return nullptr;
    }
    if (!CheckOpenDiary(db.get(), why)) {
        return nullptr;
    }
    return db;
}

// Opens the live diary as the program does (WAL, shared with its other connections). Only
// reads; as the last connection to close, it folds the WAL into the file as SQLite always
// does. The header is checked first, so a file that is not ours is never opened for writing.
BackupStatus OpenLiveDiary(Db& db, DiaryFileProblem& why) {
    const std::string path = ObjectStore::FilePath();
    switch (CheckHeader(path, why)) {
        case FileState::Missing:
            return BackupStatus::NoDiary;
        case FileState::Invalid:
            return BackupStatus::DiaryUnusable;
        case FileState::Valid:
            break;
    }
    int rc = OpenDb(path, SQLITE_OPEN_READWRITE, db);
    if (rc != SQLITE_OK) {
        rc = OpenDb(path, SQLITE_OPEN_READONLY, db);
    }
    if (rc != SQLITE_OK) {
        why = SqliteProblem(db.get(), rc, kCannotBeOpened);
        return BackupStatus::DiaryUnusable;
    }
    return BackupStatus::BackedUp;
}

// Runs the online backup `from` -> `to` in one step: one read transaction on the source, so
// the copy is one consistent state however the source is being written meanwhile.
int RunBackup(sqlite3* from, sqlite3* to) {
    for (int attempt = 0;; ++attempt) {
        sqlite3_backup* b = sqlite3_backup_init(to, "main", from, "main");
        if (!b) {
            return sqlite3_extended_errcode(to);
        }
        int rc = sqlite3_backup_step(b, -1);
        const int finish = sqlite3_backup_finish(b);
        if (rc == SQLITE_DONE) {
            rc = finish;
        }
        const int primary = rc & 0xff;
        if ((primary != SQLITE_BUSY && primary != SQLITE_LOCKED) || attempt >= 5) {
            return rc == SQLITE_DONE ? SQLITE_OK : rc;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

enum class CopyResult { Written, WriteFailed, CopyRefused };

// A checked copy of the database of `from`, written beside `target` and renamed over it: a
// plain rollback-journal file. On failure nothing at `target` changed; CopyRefused: the copy
// was written but did not pass the check, so its source is damaged or not a diary.
CopyResult WriteCheckedCopy(sqlite3* from, const std::string& target, DiaryFileProblem& why) {
    const std::string tmp = target + ".tmp-" + std::to_string(getpid());
    RemoveWithSidecars(tmp);  // left by a copy of this process id that died
    const int fd = open(tmp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) {
        why = {ReasonForErrno(errno, kCannotBeWritten), std::strerror(errno)};
        return CopyResult::WriteFailed;
    }
    close(fd);
    bool ok = false;
    bool refused = false;
    {
        Db to;
        int rc = OpenDb(tmp, SQLITE_OPEN_READWRITE, to);
        if (rc == SQLITE_OK) {
            sqlite3_exec(to.get(), "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
            rc = RunBackup(from, to.get());
        }
        // The copy carries the source's WAL mark; as a backup it is a plain file, so that
        // reading it never needs a WAL or shared-memory file beside it.
        if (rc == SQLITE_OK) {
            rc = sqlite3_exec(to.get(), "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
        }
        if (rc != SQLITE_OK) {
            why = SqliteProblem(to.get(), rc, kCannotBeWritten);
        }
        if (rc == SQLITE_OK) {
            to.reset();
            ok = SyncFile(tmp, why);
        }
    }
    if (ok) {
        Db check = OpenCheckedFile(tmp, why);
        ok = check != nullptr;
        refused = !ok;
    }
    if (ok) {
        chmod(tmp.c_str(), 0600);
        // A journal or WAL left beside an older file of this name would be applied to the
        // new one.
        for (const char* suffix : {"-journal", "-wal", "-shm"}) {
            unlink((target + suffix).c_str());
        }
        if (rename(tmp.c_str(), target.c_str()) != 0) {
            why = {ReasonForErrno(errno, kCannotBeWritten), std::strerror(errno)};
            ok = false;
        }
    }
    if (!ok) {
        RemoveWithSidecars(tmp);
        // A page the source could not give is damage of the source too.
        refused |= why.what == kDamaged;
        return refused ? CopyResult::CopyRefused : CopyResult::WriteFailed;
    }
    SyncDirectory(DirOf(target));
    return CopyResult::Written;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

BackupOutcome Failure(BackupStatus status, std::string file, DiaryFileProblem why) {
    BackupOutcome out;
    out.status = status;
    out.file = std::move(file);
    out.problem = std::move(why);
    return out;
}

// ---- Generations ----

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string DateText(int year, int month, int day) {
    return std::to_string(year) + "-" + TwoDigits(month) + "-" + TwoDigits(day);
}

const char* ReasonName(SafetyReason reason) {
    switch (reason) {
        case SafetyReason::Import:
            return "import";
        case SafetyReason::Restore:
            return "restore";
        case SafetyReason::Migration:
            return "migration";
    }
    return "change";
}

bool AllDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A name of the generation: prefix, then `shape` with 'd' for a digit and any other
// character for itself, then ".sqlite".
bool MatchesShape(const std::string& name, std::string_view prefix, std::string_view shape) {
    constexpr std::string_view ext = ".sqlite";
    if (name.size() != prefix.size() + shape.size() + ext.size() ||
        name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - ext.size(), ext.size(), ext) != 0) {
        return false;
    }
    for (size_t i = 0; i < shape.size(); ++i) {
        const char c = name[prefix.size() + i];
        if (shape[i] == 'd' ? !(c >= '0' && c <= '9') : c != shape[i]) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> FolderNames(const std::string& dir) {
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (const dirent* e = readdir(d)) {
            names.emplace_back(e->d_name);
        }
        closedir(d);
    }
    return names;
}

// Removes the oldest of `names` (sorted oldest first by `key`) beyond the `keep` newest,
// never `keepAlways`.
template <class Key>
void RemoveOldest(const std::string& dir, std::vector<std::string> names, size_t keep,
                  const std::string& keepAlways, Key key) {
    std::sort(names.begin(), names.end(),
              [&](const std::string& a, const std::string& b) { return key(a) > key(b); });
    bool removed = false;
    for (size_t i = keep; i < names.size(); ++i) {
        if (names[i] != keepAlways) {
            removed |= unlink((dir + "/" + names[i]).c_str()) == 0;
            unlink((dir + "/" + names[i] + "-wal").c_str());  // a damaged diary's, kept with it
        }
    }
    if (removed) {
        SyncDirectory(dir);
    }
}

std::string Identity(const std::string& s) {
    return s;
}

void PruneGenerations(const std::string& dir, const std::string& daily, const std::string& weekly) {
    std::vector<std::string> dailies, weeklies;
    for (std::string& name : FolderNames(dir)) {
        if (MatchesShape(name, "daily-", "dddd-dd-dd")) {
            dailies.push_back(std::move(name));
        } else if (MatchesShape(name, "weekly-", "dddd-Wdd")) {
            weeklies.push_back(std::move(name));
        }
    }
    RemoveOldest(dir, std::move(dailies), kDailyBackupsKept, daily, Identity);
    RemoveOldest(dir, std::move(weeklies), kWeeklyBackupsKept, weekly, Identity);
}

// "before-import-2026-12-07T10-31-05[-N].sqlite": by time, then by N.
constexpr std::string_view kStampShape = "dddd-dd-ddTdd-dd-dd";

std::pair<std::string, int> SafetyKey(const std::string& prefix, const std::string& name) {
    const std::string stamp = name.substr(prefix.size(), kStampShape.size());
    int n = 0;
    const size_t rest = prefix.size() + kStampShape.size();
    if (name[rest] == '-') {
        std::from_chars(name.data() + rest + 1, name.data() + name.size(), n);
    }
    return {stamp, n};
}

bool IsSafetyName(const std::string& name, const std::string& prefix) {
    constexpr std::string_view ext = ".sqlite";
    if (name.size() < prefix.size() + kStampShape.size() + ext.size() ||
        name.compare(name.size() - ext.size(), ext.size(), ext) != 0) {
        return false;
    }
    const std::string head = name.substr(0, prefix.size() + kStampShape.size()) + ".sqlite";
    const size_t rest = prefix.size() + kStampShape.size();
    const std::string_view tail(name.data() + rest, name.size() - rest - ext.size());
    return MatchesShape(head, prefix, kStampShape) &&
           (tail.empty() || (tail[0] == '-' && AllDigits(tail.substr(1))));
}

// A new name for a safety copy of `reason` now: after every other one of the same second.
std::string SafetyPath(const std::string& dir, SafetyReason reason, std::string& prefix) {
    prefix = std::string("before-") + ReasonName(reason) + "-";
    const LocalTime t = Clock::Now().Local();
    const std::string stem = prefix + DateText(t.year, t.month, t.day) + "T" + TwoDigits(t.hour) +
                             "-" + TwoDigits(t.minute) + "-" + TwoDigits(t.second);
    int last = 0;  // 1 for the name without a number
    for (const std::string& name : FolderNames(dir)) {
        if (IsSafetyName(name, prefix) && name.starts_with(stem)) {
            last = std::max(last, std::max(1, SafetyKey(prefix, name).second));
        }
    }
    return dir + "/" + stem + (last == 0 ? "" : "-" + std::to_string(last + 1)) + ".sqlite";
}

void PruneSafety(const std::string& dir, const std::string& prefix, const std::string& newest) {
    std::vector<std::string> names;
    for (std::string& name : FolderNames(dir)) {
        if (IsSafetyName(name, prefix)) {
            names.push_back(std::move(name));
        }
    }
    RemoveOldest(dir, std::move(names), kSafetyBackupsKept, newest,
                 [&](const std::string& n) { return SafetyKey(prefix, n); });
}

bool EnsureBackupDir(DiaryFileProblem& why) {
    const std::string dir = BackupDir();
    if (!DataPaths::EnsurePrivateDir(DataPaths::DataDir()) || !DataPaths::EnsurePrivateDir(dir)) {
        why = {ReasonForErrno(errno, kCannotBeWritten), std::strerror(errno)};
        return false;
    }
    return true;
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// ---- Restore ----

// Puts a checked copy of `from` where the diary belongs, by renaming it into place. For a
// diary that is missing, or damaged and kept aside already; the program's connections to a
// damaged file are not in use.
BackupOutcome InstallByRename(sqlite3* from, const std::string& source) {
    const std::string diary = ObjectStore::FilePath();
    DiaryFileProblem why;
    if (!DataPaths::EnsurePrivateDir(DataPaths::DataDir())) {
        return Failure(BackupStatus::RestoreFailed, source,
                       {ReasonForErrno(errno, kCannotBeWritten), std::strerror(errno)});
    }
    if (WriteCheckedCopy(from, diary, why) != CopyResult::Written) {
        return Failure(BackupStatus::RestoreFailed, source, why);
    }
    BackupOutcome out;
    out.status = BackupStatus::Restored;
    out.file = source;
    out.source = source;
    return out;
}

// Keeps a damaged diary (and its WAL) under a safety copy's name, by a second name for the
// same file: nothing is removed.
bool KeepDamagedDiary(std::string& kept, DiaryFileProblem& why) {
    if (!EnsureBackupDir(why)) {
        return false;
    }
    const std::string diary = ObjectStore::FilePath();
    std::string prefix;
    kept = SafetyPath(BackupDir(), SafetyReason::Restore, prefix);
    if (link(diary.c_str(), kept.c_str()) != 0 ||
        (NonEmptyFile(diary + "-wal") &&
         link((diary + "-wal").c_str(), (kept + "-wal").c_str()) != 0)) {
        why = {ReasonForErrno(errno, kCannotBeWritten), std::strerror(errno)};
        unlink(kept.c_str());
        return false;
    }
    SyncDirectory(BackupDir());
    return true;
}

}  // namespace

// ---- Public ----

std::string BackupDir() {
    return DataPaths::DataDir() + "/backups";
}

std::string DailyBackupName(int year, int month, int day) {
    return "daily-" + DateText(year, month, day) + ".sqlite";
}

std::string WeeklyBackupName(int y, int m, int d) {
    namespace chr = std::chrono;
    const chr::sys_days date{chr::year{y} / chr::month{static_cast<unsigned>(m)} /
                             chr::day{static_cast<unsigned>(d)}};
    // The ISO week is the week of its Thursday, and belongs to that Thursday's year.
    const chr::sys_days thursday =
        date + chr::days{4 - static_cast<int>(chr::weekday{date}.iso_encoding())};
    const chr::year_month_day t{thursday};
    const auto week = (thursday - chr::sys_days{t.year() / chr::January / 1}).count() / 7 + 1;
    return "weekly-" + std::to_string(static_cast<int>(t.year())) + "-W" +
           TwoDigits(static_cast<int>(week)) + ".sqlite";
}

bool CheckDiaryFile(const std::string& path, DiaryFileProblem& why) {
    why = {};
    return OpenCheckedFile(path, why) != nullptr;
}

BackupOutcome BackupDiaryTo(const std::string& path) {
    Db from;
    DiaryFileProblem why;
    const BackupStatus opened = OpenLiveDiary(from, why);
    if (opened != BackupStatus::BackedUp) {
        return Failure(opened, ObjectStore::FilePath(), why);
    }
    if (SameFile(path, ObjectStore::FilePath())) {
        return Failure(BackupStatus::WriteFailed, path, {kIsTheDiary, {}});
    }
    switch (WriteCheckedCopy(from.get(), path, why)) {
        case CopyResult::Written:
            break;
        case CopyResult::WriteFailed:
            return Failure(BackupStatus::WriteFailed, path, why);
        case CopyResult::CopyRefused:  // a faithful copy of a diary that cannot be used
            return Failure(BackupStatus::DiaryUnusable, ObjectStore::FilePath(), why);
    }
    BackupOutcome out;
    out.file = path;
    return out;
}

BackupOutcome WriteSafetyBackup(SafetyReason reason) {
    if (!ObjectStore::FileExists()) {
        return Failure(BackupStatus::NoDiary, ObjectStore::FilePath(), {});
    }
    DiaryFileProblem why;
    if (!EnsureBackupDir(why)) {
        return Failure(BackupStatus::WriteFailed, BackupDir(), why);
    }
    std::string prefix;
    const std::string path = SafetyPath(BackupDir(), reason, prefix);
    BackupOutcome out = BackupDiaryTo(path);
    if (out.status == BackupStatus::BackedUp) {
        PruneSafety(BackupDir(), prefix, BaseName(path));
    }
    return out;
}

BackupOutcome WriteAutomaticBackup() {
    if (!ObjectStore::FileExists()) {
        return Failure(BackupStatus::NoDiary, ObjectStore::FilePath(), {});
    }
    {
        // Not even a folder for a diary that cannot be copied.
        Db probe;
        DiaryFileProblem why;
        const BackupStatus opened = OpenLiveDiary(probe, why);
        if (opened != BackupStatus::BackedUp) {
            return Failure(opened, ObjectStore::FilePath(), why);
        }
    }
    DiaryFileProblem why;
    if (!EnsureBackupDir(why)) {
        return Failure(BackupStatus::WriteFailed, BackupDir(), why);
    }
    const std::string dir = BackupDir();
    const LocalTime today = Clock::Now().Local();
    const std::string daily = DailyBackupName(today.year, today.month, today.day);
    const std::string weekly = WeeklyBackupName(today.year, today.month, today.day);
    BackupOutcome out;
    out.file = dir + "/" + daily;
    if (Exists(out.file)) {
        out.status = BackupStatus::AlreadyToday;
    } else if (BackupOutcome written = BackupDiaryTo(out.file); !written.Succeeded()) {
        return written;
    }
    // The first daily backup of an ISO week is also its weekly one: a copy of its own.
    if (!Exists(dir + "/" + weekly)) {
        if (BackupOutcome written = BackupDiaryTo(dir + "/" + weekly); !written.Succeeded()) {
            return written;
        }
    }
    PruneGenerations(dir, daily, weekly);
    return out;
}

BackupOutcome RestoreDiaryFrom(const std::string& path) {
    DiaryFileProblem why;
    Db from = OpenCheckedFile(path, why);
    if (!from) {
        return Failure(BackupStatus::Refused, path, why);
    }
    const std::string diary = ObjectStore::FilePath();
    if (SameFile(path, diary)) {
        return Failure(BackupStatus::Refused, path, {kIsTheDiary, {}});
    }
    if (!ObjectStore::FileExists()) {
        // Nothing to keep; what a WAL of a diary that is gone holds belongs to no file.
        for (const char* suffix : {"-wal", "-shm", "-journal"}) {
            unlink((diary + suffix).c_str());
        }
        return InstallByRename(from.get(), path);
    }
    BackupOutcome safety = WriteSafetyBackup(SafetyReason::Restore);
    const char* const reason = safety.problem.what;
    if (safety.status == BackupStatus::DiaryUnusable &&
        (CheckHeader(diary, why) == FileState::Invalid || reason == kDamaged ||
         reason == kNotADiary || reason == kNewerVersion)) {
        // A damaged diary: kept as it is, and replaced by a whole new file.
        std::string kept;
        if (!KeepDamagedDiary(kept, why)) {
            return Failure(BackupStatus::SafetyFailed, kept.empty() ? BackupDir() : kept, why);
        }
        // The damaged file's WAL, kept beside `kept`, goes with it (WriteCheckedCopy).
        BackupOutcome out = InstallByRename(from.get(), path);
        if (out.status == BackupStatus::Restored) {
            out.safetyCopy = kept;
        }
        return out;
    }
    if (safety.status != BackupStatus::BackedUp) {
        return Failure(BackupStatus::SafetyFailed, safety.file, safety.problem);
    }
    // The live diary, written in one transaction through SQLite: every connection to it,
    // this program's included, sees the old content or the new one.
    Db to;
    int rc = OpenDb(diary, SQLITE_OPEN_READWRITE, to);
    if (rc == SQLITE_OK) {
        rc = sqlite3_exec(to.get(), "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    }
    if (rc == SQLITE_OK) {
        rc = RunBackup(from.get(), to.get());
    }
    if (rc != SQLITE_OK) {
        BackupOutcome out = Failure(BackupStatus::RestoreFailed, path,
                                    SqliteProblem(to.get(), rc, kCannotBeWritten));
        out.safetyCopy = safety.file;
        return out;
    }
    BackupOutcome out;
    out.status = BackupStatus::Restored;
    out.file = path;
    out.source = path;
    out.safetyCopy = safety.file;
    return out;
}

bool DiaryInUseByAnotherProcess() {
    const std::string lock = DataPaths::DataDir() + "/" + kInstanceLockFileName;
    struct stat st {};
    if (stat(lock.c_str(), &st) != 0) {
        return false;  // no copy has run with this diary since the folder was made
    }
    // The kernel's table of locks: "1: FLOCK  ADVISORY  WRITE 1234 fe:00:11501965 0 EOF".
    std::ifstream locks("/proc/locks");
    const pid_t self = getpid();
    for (std::string line; std::getline(locks, line);) {
        std::istringstream in(line);
        std::string number, kind, advisory, mode, device;
        long pid = 0;
        if (!(in >> number >> kind)) {
            continue;
        }
        if (kind == "->") {  // a waiter: "1: -> FLOCK ..."
            in >> kind;
        }
        if (!(in >> advisory >> mode >> pid >> device) || kind != "FLOCK") {
            continue;
        }
        unsigned devMajor = 0, devMinor = 0;
        unsigned long long inode = 0;
        if (std::sscanf(device.c_str(), "%x:%x:%llu", &devMajor, &devMinor, &inode) == 3 &&
            devMajor == major(st.st_dev) && devMinor == minor(st.st_dev) && inode == st.st_ino &&
            pid != self) {
            return true;
        }
    }
    return false;
}

// ---- Messages ----

BackupMessage DescribeBackupOutcome(const BackupOutcome& o) {
    BackupMessage m;
    const std::string what = o.problem.what ? o.problem.what : kCannotBeRead;
    const std::string detail = o.problem.detail.empty() ? "" : " (" + o.problem.detail + ")";
    m.caption = QT_TRANSLATE_NOOP("Message", "Error");
    m.icon = MbIcon::Stop;
    switch (o.status) {
        case BackupStatus::BackedUp:
        case BackupStatus::AlreadyToday:
            m = {QT_TRANSLATE_NOOP("Message", "The diary was backed up to\n%1."), {o.file}};
            break;
        case BackupStatus::NoDiary:
            m = {QT_TRANSLATE_NOOP("Message",
                                   "There is no diary to back up yet: no day has been recorded."),
                 {}};
            break;
        case BackupStatus::Restored:
            if (o.safetyCopy.empty()) {
                m = {QT_TRANSLATE_NOOP("Message", "The diary was restored from\n%1."), {o.file}};
            } else {
                m = {QT_TRANSLATE_NOOP("Message",
                                       "The diary was restored from\n%1.\nThe diary as it was "
                                       "before is kept in\n%2."),
                     {o.file, o.safetyCopy}};
            }
            break;
        case BackupStatus::DiaryUnusable:
            m.pattern =
                QT_TRANSLATE_NOOP("Message", "The diary file\n%1\ncannot be backed up: %2%3.");
            m.parts = {o.file, what, detail};
            break;
        case BackupStatus::WriteFailed:
            m.pattern = QT_TRANSLATE_NOOP("Message",
                                          "The backup\n%1\ncannot be written: %2%3.\nNothing "
                                          "was changed.");
            m.parts = {o.file, what, detail};
            break;
        case BackupStatus::Refused:
            m.pattern = QT_TRANSLATE_NOOP("Message",
                                          "The file\n%1\ncannot be restored: %2%3.\nYour diary is "
                                          "unchanged.");
            m.parts = {o.file, what, detail};
            break;
        case BackupStatus::SafetyFailed:
            m.pattern = QT_TRANSLATE_NOOP("Message",
                                          "A copy of the diary as it is cannot be kept in\n%1\n"
                                          "(%2%3), so it was not restored.\nYour diary is "
                                          "unchanged.");
            m.parts = {o.file, what, detail};
            break;
        case BackupStatus::RestoreFailed:
            m.pattern = QT_TRANSLATE_NOOP("Message",
                                          "The diary cannot be restored from\n%1: %2%3.\nYour "
                                          "diary is unchanged.");
            m.parts = {o.file, what, detail};
            break;
    }
    return m;
}

void ShowBackupOutcome(const BackupOutcome& outcome, WindowRef owner) {
    const BackupMessage m = DescribeBackupOutcome(outcome);
    ShowFilledMessageBox(m.pattern, m.parts, m.caption ? m.caption : "", m.icon, MbButtons::Ok,
                         owner);
}

}  // namespace velmora
