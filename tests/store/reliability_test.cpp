#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <thread>

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
        int out[2];
        int err[2];
        ASSERT_EQ(pipe(out), 0);
        ASSERT_EQ(pipe(err), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addclose(&actions, err[0]);
        const std::string daysArg = std::to_string(kDays);
        const std::string startArg = std::to_string(started);
        char* argv[] = {const_cast<char*>(VELMORA_KILL_CHILD), const_cast<char*>(daysArg.c_str()),
                        const_cast<char*>(startArg.c_str()), nullptr};
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, VELMORA_KILL_CHILD, &actions, nullptr, argv, environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        close(err[1]);

        // Once it has confirmed its first save, however long a busy machine takes to get it
        // there, let it go on for a random moment, then kill it: in the middle of a save, or
        // between two.
        std::string lines;
        std::string errors;
        char buf[4096];
        auto readFor = [&](std::chrono::steady_clock::time_point until, bool untilFirstLine) {
            while (std::chrono::steady_clock::now() < until &&
                   !(untilFirstLine && lines.find('\n') != std::string::npos)) {
                pollfd p{out[0], POLLIN, 0};
                if (poll(&p, 1, 1) > 0) {
                    const ssize_t n = read(out[0], buf, sizeof buf);
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
        for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;) {
            lines.append(buf, static_cast<size_t>(n));
        }
        for (ssize_t n; (n = read(err[0], buf, sizeof buf)) > 0;) {
            errors.append(buf, static_cast<size_t>(n));
        }
        close(out[0]);
        close(err[0]);
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

}  // namespace
}  // namespace velmora
