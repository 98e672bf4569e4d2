#pragma once

// Backups of the diary.
//
// A backup is made with SQLite's online backup API, so it is a consistent copy even while
// the program (or another process) holds the diary open and writes to it. The copy is built
// in a temporary file beside its target, synced, checked (integrity, application id, format
// version) and only then renamed into place; an existing file of that name is replaced only
// by a checked copy. Backups are plain SQLite files in rollback-journal mode, readable with
// the sqlite3 shell, mode 0600.
//
// The automatic generations live in BackupDir(): one daily backup per calendar day (at the
// program's end, at most once a day), of which the 7 newest are kept, and one weekly backup
// per ISO week (a second copy made by the first daily backup of the week), of which the 4
// newest are kept. Safety copies are taken before an import, a restore and a change of the
// file format; the 5 newest of each kind are kept. An old file is removed only after the new
// one is in place. docs/storage.md describes this for the user.

#include <string>
#include <vector>

#include "platform/messagebox.h"

namespace velmora {

// Why a file cannot serve as a diary: a reason the user reads (marked for translation,
// "it is damaged"), and what the system or SQLite said, if anything (not translated).
struct DiaryFileProblem {
    const char* what = nullptr;
    std::string detail;
};

enum class BackupStatus {
    BackedUp,       // the copy is in place (`file`)
    AlreadyToday,   // automatic backup: today's exists already (`file`); nothing written
    NoDiary,        // nothing recorded yet: there is no diary to copy; nothing written
    DiaryUnusable,  // the diary itself is damaged or not a diary (`file` = the diary)
    WriteFailed,    // the copy could not be written or did not check out; `file` unchanged
    Restored,       // the diary now holds the content of `file`
    Refused,        // restore: `file` is not a usable diary; nothing changed
    SafetyFailed,   // restore: no safety copy of the current diary could be made; nothing
                    // changed (`file` = the safety copy that failed)
    RestoreFailed,  // restore: the diary could not be written; it is as it was
};

struct BackupOutcome {
    BackupStatus status = BackupStatus::BackedUp;
    std::string file;          // the file the outcome is about (see BackupStatus)
    DiaryFileProblem problem;  // why, for the failures
    std::string safetyCopy;    // restore: where the diary as it was is kept; empty when there
                               // was no diary before
    std::string source;        // restore: the file restored from

    // The operation did what was asked (or had nothing to do).
    bool Succeeded() const {
        return status == BackupStatus::BackedUp || status == BackupStatus::AlreadyToday ||
               status == BackupStatus::NoDiary || status == BackupStatus::Restored;
    }
};

// The message that tells the user an outcome: a pattern and its parts (see FillPattern),
// marked for translation in the "Message" context, with the caption and icon of its box.
struct BackupMessage {
    const char* pattern = nullptr;
    std::vector<std::string> parts;
    const char* caption = nullptr;  // null: the program's name
    MbIcon icon = MbIcon::Information;
};
BackupMessage DescribeBackupOutcome(const BackupOutcome& outcome);
// Shows DescribeBackupOutcome(outcome) in a message box.
void ShowBackupOutcome(const BackupOutcome& outcome, WindowRef owner = kForegroundWindow);

// Copies the live diary to `path` (any folder; the folder itself is not changed). Statuses:
// BackedUp, NoDiary, DiaryUnusable, WriteFailed.
BackupOutcome BackupDiaryTo(const std::string& path);

// Whether `path` is a Velmora diary this program can read: a regular SQLite file with the
// diary's application id, tables and a format version not newer than this program's, that
// passes SQLite's integrity check. Read-only: the file is never changed, and no journal or
// WAL file is made beside it. A file with a non-empty "-wal" or "-journal" beside it is
// refused: it is open elsewhere, or was not closed properly, and its content is not all in
// the file.
bool CheckDiaryFile(const std::string& path, DiaryFileProblem& why);

// Replaces the content of the diary by that of the checked file `path`: a damaged or
// foreign file is refused and nothing changes. A safety copy of the current diary is taken
// first (a damaged diary is kept as it is, under the safety copy's name). A diary that is
// open in this program is written through SQLite's online backup API in one transaction,
// so this program's own connections see the old or the new content, never a mix; the
// program's screens must reload afterwards. Another process that holds the diary open must
// not be running (see DiaryInUseByAnotherProcess). Statuses: Restored, Refused,
// SafetyFailed, RestoreFailed.
BackupOutcome RestoreDiaryFrom(const std::string& path);

// The folder of the automatic and safety backups: DataPaths::DataDir() + "/backups".
std::string BackupDir();

// The program's end: writes today's daily backup unless one exists, the week's weekly one
// with the first daily of an ISO week, then removes the generations beyond the kept ones.
// Never shows a message. Statuses: BackedUp (`file` = the daily), AlreadyToday, NoDiary,
// DiaryUnusable, WriteFailed.
BackupOutcome WriteAutomaticBackup();

// What a safety copy is taken before; part of its name ("before-import-...").
enum class SafetyReason { Import, Restore, Migration };
// A safety copy of the diary as it is now, named after `reason` and the time
// ("before-import-2026-12-07T10-31-05.sqlite"). NoDiary means there is nothing to keep.
// Statuses: BackedUp, NoDiary, DiaryUnusable, WriteFailed.
BackupOutcome WriteSafetyBackup(SafetyReason reason);

// How many generations are kept.
inline constexpr int kDailyBackupsKept = 7;
inline constexpr int kWeeklyBackupsKept = 4;
inline constexpr int kSafetyBackupsKept = 5;  // of each reason

// Names of the generations of a day: "daily-2026-12-07.sqlite" and the ISO week's
// "weekly-2026-W50.sqlite".
std::string DailyBackupName(int year, int month, int day);
std::string WeeklyBackupName(int year, int month, int day);

// Whether another process holds the diary's instance lock (velmora.lock in the data folder),
// that is, another copy of the program runs with this diary. Changes nothing: it asks the
// system's lock table and never takes the lock.
bool DiaryInUseByAnotherProcess();

inline constexpr const char* kInstanceLockFileName = "velmora.lock";

}  // namespace velmora
