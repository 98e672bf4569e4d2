#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <thread>
#include <vector>

#include <sqlite3.h>

#include "platform/datapaths.h"
#include "platform/objectstore.h"
#include "store/velmoradoc.h"
#include "tests/support/testenv.h"

extern char** environ;

namespace velmora {
namespace {

// Records per day number (days since 2020-01-01), read through a fresh connection.
std::map<int, int> CountRecordsPerDay() {
    ObjectStore::CloseThreadConnection();
    std::map<int, int> out;
    const CTime base = CVelmoraMFCDoc::DayAtNoon(2020, 1, 1);
    CVelmoraMFCDoc scan;
    scan.ForEachDay([&](CVelmoraMFCDoc& d) {
        ++out[static_cast<int>((d.m_date - base + 43200) / kSecondsPerDay)];
        return true;
    });
    return out;
}

// A child process with its standard output and error in pipes.
struct Child {
    pid_t pid = 0;
    int out = -1;
    int err = -1;
};

Child Spawn(std::vector<std::string> args) {
    Child child;
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0) {
        ADD_FAILURE() << "no pipes";
        return child;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, err[0]);
    args.insert(args.begin(), VELMORA_KILL_CHILD);
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    EXPECT_EQ(posix_spawn(&child.pid, VELMORA_KILL_CHILD, &actions, nullptr, argv.data(), environ),
              0);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    child.out = out[0];
    child.err = err[0];
    return child;
}

// Everything left to read from `fd`, which is then closed.
std::string ReadToEnd(int fd) {
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;) {
        text.append(buf, static_cast<size_t>(n));
    }
    close(fd);
    return text;
}

class ReliabilityTest : public test::StoreTest {
protected:
    ReliabilityTest() : tz("UTC") {}
    test::ScopedTimeZone tz;
};

// A process saving days is killed at random moments. After every kill the store opens,
// every day has one record, and every save that had returned is there.
TEST_F(ReliabilityTest, SavesSurviveKillsAtAnyMoment) {
    constexpr int kDays = 40;
    std::mt19937 rng(20261206);
    std::set<int> confirmed;
    int kills = 0;
    int started = 0;
    for (int round = 0; round < 40; ++round) {
        const Child child = Spawn({std::to_string(kDays), std::to_string(started)});
        ASSERT_NE(child.pid, 0);
        const pid_t pid = child.pid;
        // Once it has confirmed its first save, however long a busy machine takes to get it
        // there, let it go on for a random moment, then kill it: in the middle of a save, or
        // between two.
        std::string lines;
        std::string errors;
        char buf[4096];
        auto readFor = [&](std::chrono::steady_clock::time_point until, bool untilFirstLine) {
            while (std::chrono::steady_clock::now() < until &&
                   !(untilFirstLine && lines.find('\n') != std::string::npos)) {
                pollfd p{child.out, POLLIN, 0};
                if (poll(&p, 1, 1) > 0) {
                    const ssize_t n = read(child.out, buf, sizeof buf);
                    if (n <= 0) {
                        break;  // it ended: the kill below says so
                    }
                    lines.append(buf, static_cast<size_t>(n));
                }
            }
        };
        readFor(std::chrono::steady_clock::now() + std::chrono::seconds(120), true);
        EXPECT_NE(lines.find('\n'), std::string::npos) << "no save confirmed in round " << round;
        const int ms = std::uniform_int_distribution<int>(0, 45)(rng);
        readFor(std::chrono::steady_clock::now() + std::chrono::milliseconds(ms), false);
        ASSERT_EQ(kill(pid, SIGKILL), 0);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended on its own";
        ++kills;
        lines += ReadToEnd(child.out);
        errors += ReadToEnd(child.err);
        EXPECT_EQ(errors, "") << "round " << round;

        // Only whole lines are saves that returned before the kill.
        std::istringstream in(lines.substr(0, lines.rfind('\n') + 1));
        for (int day; in >> day;) {
            confirmed.insert(day);
            ++started;
        }

        const auto counts = CountRecordsPerDay();
        for (const auto& [day, n] : counts) {
            EXPECT_EQ(n, 1) << "day " << day << " after round " << round;
            EXPECT_GE(day, 0);
            EXPECT_LT(day, kDays);
        }
        for (int day : confirmed) {
            EXPECT_EQ(counts.count(day), 1u) << "saved day " << day << " lost in round " << round;
        }
    }
    EXPECT_EQ(kills, 40);
    // Every round confirmed at least one save, and each child went on where the one before
    // stopped: forty rounds reach every one of the forty days.
    EXPECT_EQ(confirmed.size(), static_cast<size_t>(kDays));
    EXPECT_EQ(boxes.Count(), 0u);
}

// A second connection walks the store while this one saves: it never fails and never
// misses a day or sees one twice.
TEST_F(ReliabilityTest, AReaderOnAnotherThreadSeesEveryDayWhileDaysAreSaved) {
    constexpr int kDays = 60;
    const CTime base = CVelmoraMFCDoc::DayAtNoon(2020, 1, 1);
    for (int d = 0; d < kDays; ++d) {
        CVelmoraMFCDoc doc;
        doc.OpenDay(base + int64_t{d} * kSecondsPerDay);
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    }
    std::atomic<bool> done{false};
    std::atomic<int> walks{0};
    std::atomic<int> badWalks{0};
    std::thread reader([&] {
        while (!done.load()) {
            std::map<int, int> seen;
            CVelmoraMFCDoc scan;
            const bool ok = scan.ForEachDay([&](CVelmoraMFCDoc& d) {
                ++seen[static_cast<int>((d.m_date - base + 43200) / kSecondsPerDay)];
                return true;
            });
            bool good = ok && seen.size() == kDays;
            for (const auto& [day, n] : seen) {
                good = good && n == 1;
            }
            if (!good) {
                ++badWalks;
            }
            ++walks;
        }
        ObjectStore::CloseThreadConnection();
    });
    std::mt19937 rng(3);
    int saves = 0;
    // Saves go on until the reader has walked twenty times, and at least sixty were made:
    // counts, not time, so a slow machine only takes longer.
    while (saves < 60 || walks.load() < 20) {
        CVelmoraMFCDoc doc;
        const int d = std::uniform_int_distribution<int>(0, kDays - 1)(rng);
        ASSERT_TRUE(doc.OpenDay(base + int64_t{d} * kSecondsPerDay));
        doc.m_weight = 50 + saves % 40;
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
        ++saves;
    }
    done = true;
    reader.join();
    EXPECT_EQ(badWalks.load(), 0);
    EXPECT_EQ(boxes.Count(), 0u);
    const auto counts = CountRecordsPerDay();
    EXPECT_EQ(counts.size(), static_cast<size_t>(kDays));
}

// The store file as another tool sees it: its format, how many of the indexes of the
// second format it has, whether SQLite finds it whole, and every stored value in order.
struct FileLook {
    int version = -1;
    int indexes = -1;
    bool whole = false;
    std::string content;
};

FileLook LookAtStoreFile() {
    FileLook look;
    sqlite3* db = nullptr;
    if (sqlite3_open(DataPaths::StoreFile().c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return look;
    }
    auto each = [&](const char* sql, const std::function<void(sqlite3_stmt*)>& row) {
        sqlite3_stmt* s = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(db, sql, -1, &s, nullptr), SQLITE_OK) << sql;
        while (sqlite3_step(s) == SQLITE_ROW) {
            row(s);
        }
        sqlite3_finalize(s);
    };
    auto text = [](sqlite3_stmt* s, int c) {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, c));
        return std::string(t ? t : "");
    };
    each("PRAGMA user_version", [&](sqlite3_stmt* s) { look.version = sqlite3_column_int(s, 0); });
    each(
        "SELECT count(*) FROM sqlite_schema WHERE type = 'index' AND "
        "name IN ('props_day', 'props_flagged')",
        [&](sqlite3_stmt* s) { look.indexes = sqlite3_column_int(s, 0); });
    each("PRAGMA integrity_check", [&](sqlite3_stmt* s) { look.whole = text(s, 0) == "ok"; });
    each(
        "SELECT r.id, p.pos, p.prop, p.type, quote(p.value) FROM records r "
        "JOIN props p ON p.record = r.id ORDER BY r.id, p.pos",
        [&](sqlite3_stmt* s) {
            for (int c = 0; c < 5; ++c) {
                look.content += text(s, c) + (c < 4 ? "," : ";");
            }
        });
    sqlite3_close(db);
    return look;
}

void RunSql(const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(DataPaths::StoreFile().c_str(), &db), SQLITE_OK);
    char* err = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err), SQLITE_OK) << (err ? err : "");
    sqlite3_free(err);
    sqlite3_close(db);
}

// A process opening a diary of the first file format, which upgrades it, is killed at random
// moments: before its safety copy, during it, inside the upgrade's transaction, after it.
// Every time the file is whole, holds every value as it was, and is of the first format
// without the indexes or of the second with both, never anything in between.
TEST_F(ReliabilityTest, AnUpgradeKilledAtAnyMomentLeavesTheFirstOrTheSecondFormat) {
    constexpr int kDays = 7305;
    {
        CVelmoraMFCDoc doc;
        doc.OpenDay(CVelmoraMFCDoc::DayAtNoon(2000, 1, 1));
        doc.m_note = u"day";
        doc.m_alarm = true;
        doc.m_alarmType[0] = 1;
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    }
    ObjectStore::CloseThreadConnection();
    // Twenty years of that day, one day apart, made by SQL; then the first format.
    RunSql(
        "DROP INDEX props_day; DROP INDEX props_flagged;"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
        std::to_string(kDays - 1) +
        ") INSERT INTO records(db) SELECT (SELECT db FROM records LIMIT 1) FROM n;"
        "INSERT INTO props(db, record, pos, prop, type, value) "
        "SELECT p.db, r.id, p.pos, p.prop, p.type, CASE WHEN p.prop = 0 "
        "THEN p.value + (r.id - f.id) * 864000000000 ELSE p.value END "
        "FROM records r, props p, (SELECT min(id) AS id FROM records) f "
        "WHERE p.record = f.id AND r.id > f.id;"
        "PRAGMA user_version = 1; PRAGMA wal_checkpoint(TRUNCATE);");
    const std::string store = DataPaths::StoreFile();
    const std::string firstFormat = test::ReadFileBytes(store);
    const FileLook before = LookAtStoreFile();
    ASSERT_EQ(before.version, 1);
    ASSERT_EQ(before.indexes, 0);
    auto putBack = [&] {
        unlink((store + "-wal").c_str());
        unlink((store + "-shm").c_str());
        test::WriteFileBytes(store, firstFormat);
    };

    // How long an undisturbed open takes, upgrade included.
    putBack();
    const auto start = std::chrono::steady_clock::now();
    Child whole = Spawn({"open"});
    int status = 0;
    waitpid(whole.pid, &status, 0);
    const auto full = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(ReadToEnd(whole.out), "opened\n");
    EXPECT_EQ(ReadToEnd(whole.err), "");
    const FileLook upgraded = LookAtStoreFile();
    EXPECT_EQ(upgraded.version, 2);
    EXPECT_EQ(upgraded.indexes, 2);
    EXPECT_EQ(upgraded.content, before.content);

    std::mt19937 rng(20261207);
    const auto fullUs = std::chrono::duration_cast<std::chrono::microseconds>(full).count();
    std::map<int, int> endedAs;
    for (int round = 0; round < 16; ++round) {
        putBack();
        Child child = Spawn({"open"});
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<int64_t>(0, fullUs)(rng)));
        kill(child.pid, SIGKILL);
        waitpid(child.pid, &status, 0);
        ReadToEnd(child.out);
        EXPECT_EQ(ReadToEnd(child.err), "") << "round " << round;
        const FileLook after = LookAtStoreFile();
        EXPECT_TRUE(after.whole) << "round " << round;
        EXPECT_EQ(after.indexes, after.version == 2 ? 2 : 0) << "round " << round;
        EXPECT_EQ(after.content, before.content) << "round " << round;
        ++endedAs[after.version];
    }
    EXPECT_EQ(endedAs[1] + endedAs[2], 16) << "another format: " << endedAs.size();

    // Whatever it was left as, the program opens it, upgraded, with every day.
    ObjectStore::CloseThreadConnection();
    EXPECT_EQ(CountRecordsPerDay().size(), static_cast<size_t>(kDays));
    EXPECT_EQ(LookAtStoreFile().version, 2);
    EXPECT_EQ(boxes.Count(), 0u);
}

}  // namespace
}  // namespace velmora
