// Backups of the diary: copies of a diary being written, the generations, restores.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>

#include <ctime>
#include <functional>
#include <future>
#include <set>
#include <thread>

#include "platform/backup.h"
#include "platform/clock.h"
#include "tests/store/diarydays.h"
#include "tests/support/spawn.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::StoredDays;
using test::StoredDaysOf;

// Saves day `n` (days after 1 November 2026), with values that differ from day to day.
void SaveDay(int n) {
    CVelmoraMFCDoc doc;
    doc.OpenDay(CVelmoraMFCDoc::DayAtNoon(2026, 11, 1) + int64_t{n} * kSecondsPerDay);
    doc.m_fluid = static_cast<int16_t>(n % 7);
    doc.m_temperature = 36.0 + 0.05 * (n % 40);
    doc.m_weight = 60.0 + n / 8.0;
    doc.m_note = u"день " + std::u16string(static_cast<size_t>(n % 5 + 1), u'ж');
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved) << n;
}

std::set<std::string> Names(const std::string& dir) {
    std::set<std::string> out;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec)) {
        out.insert(e.path().filename().string());
    }
    return out;
}

// Records in a file, counted by SQLite alone.
std::string RecordsIn(const std::string& path) {
    return test::Query("SELECT count(*) FROM records", path);
}

class BackupTest : public test::StoreTest {
protected:
    test::ScopedTimeZone tz{"Europe/Berlin"};
};

TEST_F(BackupTest, ACopyOfADiaryBeingWrittenIsOneWholeStateOfIt) {
    const std::string root = home->Root() + "/";
    EXPECT_EQ(BackupDiaryTo(root + "none.sqlite").status, BackupStatus::NoDiary);
    EXPECT_FALSE(test::FileExists(root + "none.sqlite"));
    // A writer on its own thread (its own connection) holds a transaction open while a copy
    // is made, then commits, and then writes on while more copies are made.
    std::promise<void> open, committed, copied;
    std::thread writer([&] {
        for (int n = 0; n < 10; ++n) {
            SaveDay(n);
        }
        std::unique_ptr<StoreDatabase> db;
        ASSERT_EQ(StoreDatabase::Open(kDayStoreName, db), StoreStatus::Ok);
        ASSERT_EQ(db->Begin(), StoreStatus::Ok);
        for (int n = 10; n < 15; ++n) {
            SaveDay(n);
        }
        open.set_value();
        copied.get_future().wait();
        EXPECT_EQ(db->Commit(), StoreStatus::Ok);
        committed.set_value();
        for (int n = 15; n < 200; ++n) {
            SaveDay(n);
        }
    });
    open.get_future().wait();
    ASSERT_EQ(BackupDiaryTo(root + "open.sqlite").status, BackupStatus::BackedUp);
    copied.set_value();
    committed.get_future().wait();
    std::vector<std::string> copies;
    for (int i = 0; i < 4; ++i) {
        copies.push_back(root + "copy-" + std::to_string(i) + ".sqlite");
        ASSERT_EQ(BackupDiaryTo(copies.back()).status, BackupStatus::BackedUp);
    }
    writer.join();
    const std::vector<std::string> live = StoredDays();
    ASSERT_EQ(live.size(), 200u);
    // The open transaction's days are not in the first copy, and each copy is the diary as
    // it stood after some save: the oldest records of the diary now, value for value.
    const std::vector<std::string> before = StoredDaysOf(root + "open.sqlite");
    EXPECT_EQ(before.size(), 10u);
    copies.push_back(root + "open.sqlite");
    for (const std::string& copy : copies) {
        EXPECT_EQ(test::FileMode(copy), 0600);
        EXPECT_FALSE(test::FileExists(copy + "-wal"));
        const std::vector<std::string> days = StoredDaysOf(copy);
        ASSERT_LE(days.size(), live.size());
        if (copy != copies.back()) {  // written after the commit
            EXPECT_GE(days.size(), 15u);
        }
        EXPECT_TRUE(std::equal(days.begin(), days.end(), live.begin())) << copy;
    }
}

TEST_F(BackupTest, SevenDailyAndFourWeeklyAreKeptAndNothingGoesBeforeTheNewOneIsIn) {
    ScopedClockPin pin(CTime(2026, 11, 1, 20, 0, 0));
    EXPECT_EQ(WriteAutomaticBackup().status, BackupStatus::NoDiary);
    EXPECT_FALSE(test::FileExists(BackupDir()));
    std::vector<std::string> dailies, weeklies;
    std::map<std::string, int> weekStart;  // weekly -> records of the week's first daily
    for (int n = 0; n < 40; ++n) {
        SaveDay(n);
        const time_t now = Clock::Now().GetTime();
        std::tm tm{};
        localtime_r(&now, &tm);
        char day[16], week[16];
        std::strftime(day, sizeof day, "%Y-%m-%d", &tm);
        std::strftime(week, sizeof week, "%G-W%V", &tm);
        if (n == 15) {  // a Monday, and the disk is full: nothing removed, nothing left over
            const std::set<std::string> before = Names(BackupDir());
            signal(SIGXFSZ, SIG_IGN);
            rlimit old{};
            getrlimit(RLIMIT_FSIZE, &old);
            rlimit small = old;
            small.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &small);
            const BackupOutcome failed = WriteAutomaticBackup();
            setrlimit(RLIMIT_FSIZE, &old);
            EXPECT_EQ(failed.status, BackupStatus::WriteFailed);
            EXPECT_STREQ(failed.problem.what, "the disk is full");
            EXPECT_EQ(Names(BackupDir()), before);
        }
        const BackupOutcome out = WriteAutomaticBackup();
        ASSERT_EQ(out.status, BackupStatus::BackedUp) << out.problem.what;
        EXPECT_EQ(WriteAutomaticBackup().status, BackupStatus::AlreadyToday);
        dailies.push_back(std::string("daily-") + day + ".sqlite");
        if (weeklies.empty() || weeklies.back() != std::string("weekly-") + week + ".sqlite") {
            weeklies.push_back(std::string("weekly-") + week + ".sqlite");
            weekStart[weeklies.back()] = n + 1;
        }
        std::set<std::string> kept(dailies.end() - std::min<ptrdiff_t>(7, std::ssize(dailies)),
                                   dailies.end());
        kept.insert(weeklies.end() - std::min<ptrdiff_t>(4, std::ssize(weeklies)), weeklies.end());
        EXPECT_EQ(Names(BackupDir()), kept) << day;
        EXPECT_EQ(RecordsIn(out.file), std::to_string(n + 1) + ";");
        Clock::Advance(kSecondsPerDay);
    }
    for (const std::string& name : Names(BackupDir())) {
        if (name.starts_with("weekly-")) {
            EXPECT_EQ(RecordsIn(BackupDir() + "/" + name), std::to_string(weekStart[name]) + ";")
                << name;
        }
    }
    EXPECT_EQ(test::FileMode(BackupDir()), 0700);

    // Safety copies: eleven in one second, of which the five newest stay.
    for (int i = 0; i < 11; ++i) {
        ASSERT_EQ(WriteSafetyBackup(SafetyReason::Import).status, BackupStatus::BackedUp);
    }
    std::string safety;
    for (const std::string& name : Names(BackupDir())) {
        const std::string stem = "before-import-2026-12-11T20-00-00-";
        safety += name.starts_with(stem) ? name.substr(stem.size()) + " " : "";
    }
    EXPECT_EQ(safety, "10.sqlite 11.sqlite 7.sqlite 8.sqlite 9.sqlite ");
}

TEST_F(BackupTest, ADamagedForeignOrCutShortFileIsRefusedAndNothingChanges) {
    for (int n = 0; n < 30; ++n) {
        SaveDay(n);
    }
    const std::string good = home->Root() + "/good.sqlite";
    ASSERT_EQ(BackupDiaryTo(good).status, BackupStatus::BackedUp);
    const std::string bytes = test::ReadFileBytes(good);
    const std::string dir = home->Root() + "/offered";
    fs::create_directories(dir);
    struct Case {
        const char* name;
        std::function<void(const std::string&)> make;
        const char* reason;
    };
    const Case cases[] = {
        {"empty", [](auto& p) { test::WriteFileBytes(p, ""); }, "it is empty"},
        {"another program's database", [](auto& p) { test::Sql("CREATE TABLE t(x)", p); },
         "it is not a Velmora diary"},
        {"newer",
         [&](auto& p) {
             fs::copy_file(good, p);
             test::Sql("PRAGMA user_version=" + std::to_string(kStoreSchemaVersion + 1), p);
         },
         "it was written by a newer version of Velmora"},
        {"cut short", [&](auto& p) { test::WriteFileBytes(p, bytes.substr(0, bytes.size() / 2)); },
         "it is damaged"},
        {"a WAL beside",
         [&](auto& p) {
             fs::copy_file(good, p);
             test::WriteFileBytes(p + "-wal", "x");
         },
         "it is open in another program or was not closed properly"},
        {"a folder", [](auto& p) { fs::create_directories(p); }, "it is not a regular file"},
        {"missing", [](auto&) {}, "it cannot be opened"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir + "/" + c.name + ".sqlite";
        c.make(path);
        const std::vector<std::string> days = StoredDays();
        const std::set<std::string> backups = Names(BackupDir()), offered = Names(dir);
        const std::string file = test::ReadFileBytes(path);
        DiaryFileProblem why;
        EXPECT_FALSE(CheckDiaryFile(path, why));
        const BackupOutcome out = RestoreDiaryFrom(path);
        EXPECT_EQ(out.status, BackupStatus::Refused);
        EXPECT_STREQ(out.problem.what, why.what);
        ShowBackupOutcome(out);
        ASSERT_FALSE(boxes.Boxes().empty());
        EXPECT_TRUE(boxes.Boxes().back().text.starts_with("The file\n" + path +
                                                          "\ncannot be restored: " + c.reason))
            << boxes.Boxes().back().text;
        EXPECT_EQ(StoredDays(), days);
        EXPECT_EQ(Names(BackupDir()), backups);  // not even a safety copy
        EXPECT_EQ(Names(dir), offered);          // nothing made beside the file
        EXPECT_EQ(test::ReadFileBytes(path), file);
    }
    DiaryFileProblem why;
    EXPECT_TRUE(CheckDiaryFile(good, why)) << why.what;
}

TEST_F(BackupTest, RestoringGivesTheCopysDaysAndKeepsTheDiaryAsItWas) {
    for (int n = 0; n < 5; ++n) {
        SaveDay(n);
    }
    const std::string good = home->Root() + "/good.sqlite";
    ASSERT_EQ(BackupDiaryTo(good).status, BackupStatus::BackedUp);
    const std::vector<std::string> goodDays = StoredDays();
    const std::string junk(8192, '\x5a');
    const std::pair<const char*, std::function<void()>> starts[] = {
        {"open and changed since",
         [] {
             for (int n = 3; n < 40; ++n)
                 SaveDay(n);
         }},
        {"damaged", [&] { test::WriteFileBytes(ObjectStore::FilePath(), junk); }},
    };
    for (const auto& [name, make] : starts) {
        SCOPED_TRACE(name);
        test::TempHome other;
        ObjectStore::CloseThreadConnection();
        make();
        const std::vector<std::string> before = StoredDays();
        // The program's own handle stays open over the restore, and reads the new days.
        std::unique_ptr<StoreDatabase> held;
        StoreDatabase::Open(kDayStoreName, held);
        const BackupOutcome out = RestoreDiaryFrom(good);
        ASSERT_EQ(out.status, BackupStatus::Restored) << out.problem.what << out.problem.detail;
        EXPECT_EQ(out.file, good);
        uint32_t count = 0;
        if (held) {  // through the connection that was open all along
            EXPECT_EQ(held->Count(count), StoreStatus::Ok);
            EXPECT_EQ(count, goodDays.size());
        }
        EXPECT_EQ(StoredDays(), goodDays);
        EXPECT_EQ(test::FileMode(ObjectStore::FilePath()), 0600);
        if (std::string(name) == "damaged") {
            EXPECT_EQ(test::ReadFileBytes(out.safetyCopy), junk);
        } else {
            EXPECT_EQ(StoredDaysOf(out.safetyCopy), before);
            EXPECT_EQ(before.size(), 37u);
        }
        held.reset();
    }
}

TEST_F(BackupTest, AnotherProcessHoldingTheInstanceLockIsSeen) {
    EXPECT_FALSE(DiaryInUseByAnotherProcess());  // never run
    ASSERT_TRUE(DataPaths::EnsurePrivateDir(DataPaths::DataDir()));
    const std::string lock = DataPaths::DataDir() + "/" + kInstanceLockFileName;
    const int own = open(lock.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(flock(own, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(DiaryInUseByAnotherProcess());  // this process's own lock
    close(own);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        const char c = flock(open(lock.c_str(), O_RDWR), LOCK_EX) == 0 ? 'y' : 'n';
        _exit(write(ready[1], &c, 1) == 1 ? pause() : 1);
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    EXPECT_EQ(c, 'y');
    EXPECT_TRUE(DiaryInUseByAnotherProcess());
    test::KillAndWait(child);
    EXPECT_FALSE(DiaryInUseByAnotherProcess());
}

}  // namespace
}  // namespace velmora
