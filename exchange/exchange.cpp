// Export, the import's preview and its all-or-nothing apply.

#include "exchange/exchange.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>

#include "exchange/dayformat.h"
#include "exchange/texts.h"

namespace velmora {

namespace {

using namespace exchange;
namespace text = exchange_text;

struct StoredDay {
    ExchangeDay day;
    RecordId record = 0;
};

// Every stored day by its key: for a date with more than one record, the first, which is
// the one the screens find. False when the store could not be read to its end.
bool ReadDiary(std::map<long long, StoredDay>& days) {
    CVelmoraMFCDoc walker;
    walker.ForEachDay([&](CVelmoraMFCDoc& doc) {
        ExchangeDay day = DayFromDoc(doc);
        const long long key = DayKey(day);
        days.try_emplace(key, StoredDay{std::move(day), doc.StoredRecordId()});
        return true;
    });
    return walker.LastWalkComplete();
}

ExchangeError Error(const char* pattern, std::vector<std::string> parts = {}) {
    return ExchangeText{pattern, std::move(parts)};
}

ExchangeError StoreError(StoreStatus why) {
    return Error(why == StoreStatus::DiskFull ? text::kDiskFull : text::kWriteFailed);
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

namespace exchange {

bool ReplaceFile(const std::string& path, const std::string& bytes, ExchangeError& error) {
    const size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    std::string tmp = path + ".tmp-XXXXXX";
    int err = 0;
    const int fd = mkostemp(tmp.data(), O_CLOEXEC);  // mode 0600
    if (fd < 0) {
        err = errno;
    } else {
        errno = 0;
        if (fchmod(fd, 0600) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0) {
            err = errno ? errno : EIO;
        }
        if (close(fd) != 0 && err == 0) {
            err = errno;
        }
        if (err == 0 && rename(tmp.c_str(), path.c_str()) != 0) {
            err = errno;
        }
        if (err != 0) {
            unlink(tmp.c_str());
        }
    }
    if (err != 0) {
        error = Error(text::kCannotWrite, {path, std::strerror(err)});
        return false;
    }
    const int dfd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        fsync(dfd);
        close(dfd);
    }
    return true;
}

}  // namespace exchange

namespace {

// Writes one day through the document: the old record (when there is one) goes, the day
// comes as a new record. Inside the caller's transaction.
bool WriteDay(CVelmoraMFCDoc& doc, RecordId old, const ExchangeDay& day) {
    if (!doc.m_db.IsOpen() && !doc.m_db.Open(kDayStoreName)) {
        return false;
    }
    if (old != 0 && !(doc.m_db.SeekRecord(old) && doc.m_db.DeleteCurrRecord())) {
        return false;
    }
    DayToDoc(day, doc);
    return doc.SaveRecord();
}

}  // namespace

bool ExportDiary(ExchangeFormat format, std::string& out, ExchangeError& error) {
    std::map<long long, StoredDay> stored;
    if (!ReadDiary(stored)) {
        error = Error(text::kDiaryUnreadable);
        return false;
    }
    std::vector<ExchangeDay> days;
    days.reserve(stored.size());
    for (auto& [key, s] : stored) {
        days.push_back(std::move(s.day));
    }
    out = format == ExchangeFormat::Csv ? FormatCsv(days) : FormatJson(days);
    return true;
}

bool ExportDiaryToFile(const std::string& path, ExchangeFormat format, ExchangeError& error) {
    std::string bytes;
    return ExportDiary(format, bytes, error) && ReplaceFile(path, bytes, error);
}

ImportPlan PlanImport(std::string_view bytes) {
    ParsedFile parsed = ParseFile(bytes);
    ImportPlan plan;
    plan.source = parsed.source;
    plan.problems = std::move(parsed.problems);
    plan.unmapped = std::move(parsed.unmapped);
    plan.days = std::move(parsed.days);
    std::stable_sort(
        plan.days.begin(), plan.days.end(),
        [](const PlannedDay& a, const PlannedDay& b) { return DayKey(a.day) < DayKey(b.day); });
    std::map<long long, StoredDay> stored;
    if (!plan.days.empty() && !ReadDiary(stored)) {
        plan.diaryError = Error(text::kDiaryUnreadable);
    }
    for (PlannedDay& p : plan.days) {
        const auto it = stored.find(DayKey(p.day));
        if (it == stored.end()) {
            p.status = DayStatus::New;
            ++plan.newDays;
            ++plan.mergeWrites;
            ++plan.replaceWrites;
            continue;
        }
        p.status = StatusOf(CompareDays(it->second.day, p.day));
        switch (p.status) {
            case DayStatus::Identical:
                ++plan.identicalDays;
                continue;
            case DayStatus::Changed:
                ++plan.changedDays;
                break;
            default:
                ++plan.conflictDays;
                break;
        }
        ++plan.replaceWrites;
        plan.mergeWrites += MergeDays(it->second.day, p.day) != it->second.day;
    }
    return plan;
}

ImportPlan PlanImportFile(const std::string& path) {
    std::string bytes;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    bool ok = fd >= 0;
    int err = errno;
    if (ok) {
        char buf[1 << 16];
        for (;;) {
            const ssize_t n = read(fd, buf, sizeof buf);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                ok = n == 0;
                err = errno;
                break;
            }
            bytes.append(buf, static_cast<size_t>(n));
        }
        close(fd);
    }
    if (!ok) {
        ImportPlan plan;
        plan.problems.push_back(
            MakeProblem(0, "", "", text::kCannotRead, {path, std::strerror(err ? err : EIO)}));
        return plan;
    }
    return PlanImport(bytes);
}

std::vector<ExchangeText> PlanSummary(const ImportPlan& plan) {
    std::vector<ExchangeText> lines;
    const std::pair<const char*, int> counts[] = {
        {text::kNewDays, plan.newDays},
        {text::kChangedDays, plan.changedDays},
        {text::kConflictDays, plan.conflictDays},
        {text::kIdenticalDays, plan.identicalDays},
    };
    for (const auto& [pattern, n] : counts) {
        if (n > 0) {
            lines.push_back(ExchangeText{pattern, {}, n});
        }
    }
    return lines;
}

bool ApplyImport(const ImportPlan& plan, ImportMode mode, const ImportBackupStep& backupFirst,
                 ExchangeError& error, int* daysWritten) {
    if (daysWritten) {
        *daysWritten = 0;
    }
    if (!plan.CanApply()) {
        error = plan.problems.empty() && plan.source != ImportSource::Unknown
                    ? plan.diaryError
                    : Error(text::kPlanHasProblems);
        return false;
    }
    if (backupFirst) {
        ExchangeError why;
        if (!backupFirst(why)) {
            error = why.Empty() ? Error(text::kBackupFailed) : why;
            return false;
        }
    }
    if (plan.days.empty()) {
        return true;
    }

    // The transaction every write below joins: the document's writes run on this thread's
    // connection to the store, inside it.
    CCeDatabase tx;
    if (!tx.Open(kDayStoreName) && (tx.LastStatus() != StoreStatus::NotFound ||
                                    !tx.Create(kDayStoreName) || !tx.Open(kDayStoreName))) {
        error = StoreError(tx.LastStatus());
        return false;
    }
    if (!tx.BeginTransaction()) {
        error = StoreError(tx.LastStatus());
        return false;
    }
    // The diary as it is now, not as the preview saw it.
    std::map<long long, StoredDay> stored;
    if (!ReadDiary(stored)) {
        tx.RollbackTransaction();
        error = Error(text::kDiaryUnreadable);
        return false;
    }
    CVelmoraMFCDoc doc;
    int written = 0;
    for (const PlannedDay& p : plan.days) {
        const ExchangeDay* day = &p.day;
        ExchangeDay merged;
        RecordId old = 0;
        const auto it = stored.find(DayKey(p.day));
        if (it != stored.end()) {
            const ExchangeDay& now = it->second.day;
            if (now == p.day) {
                continue;
            }
            if (mode == ImportMode::Merge) {
                merged = MergeDays(now, p.day);
                if (merged == now) {
                    continue;
                }
                day = &merged;
            }
            old = it->second.record;
        }
        if (!WriteDay(doc, old, *day)) {
            const StoreStatus why = doc.m_db.LastStatus();
            tx.RollbackTransaction();
            error = StoreError(why);
            return false;
        }
        ++written;
    }
    if (!tx.CommitTransaction()) {
        error = StoreError(tx.LastStatus());
        return false;
    }
    if (daysWritten) {
        *daysWritten = written;
    }
    return true;
}

}  // namespace velmora
