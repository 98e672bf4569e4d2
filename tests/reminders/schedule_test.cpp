#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/clock.h"
#include "platform/profile.h"
#include "reminders/nextalarm.h"
#include "reminders/startscheduler.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tests/reminders/audiotest.h"
#include "tests/support/recordingscheduler.h"

namespace velmora {
namespace {

using Args = std::vector<std::string>;

// The one call the schedule at exit makes at `now`, and the alarm type it remembers.
std::pair<RecordingStartScheduler::Call, std::optional<int>> ScheduleAt(CTime now) {
    ScopedClockPin pin(now);
    MemoryProfileStore profile;
    RecordingStartScheduler scheduler;
    ScheduleNextAlarm(profile, scheduler);
    EXPECT_EQ(scheduler.calls.size(), 1u);
    const auto raw = profile.Raw(kSettingsSection, "AlarmType");
    EXPECT_EQ(profile.WriteLog().empty(), !raw);
    return {scheduler.calls.at(0), raw ? ParseProfileInt(*raw) : std::nullopt};
}

class ScheduleTest : public test::StoreTest {
protected:
    test::ScopedTimeZone tz{"America/New_York"};
};

TEST_F(ScheduleTest, AtExitTheEarliestAlarmAheadIsScheduledWithItsType) {
    struct Step {
        const char* what;
        CTime now;
        std::vector<test::Alarm> set;
        CTime when;  // CTime(): withdrawn
        int type;
    } steps[] = {
        {"no store at all", CTime(2026, 1, 5, 10, 0, 0), {}, CTime(), 0},
        {"among equal times the first met wins: slot 2 before slot 0",
         CTime(2026, 1, 5, 10, 0, 0),
         {{2026, 1, 6, 0, 4, 18, 45}, {2026, 1, 6, 2, 8, 18, 45}, {2026, 1, 6, 1, 9, 19, 0}},
         CTime(2026, 1, 6, 18, 45, 0),
         8},
        // Daylight time began on the 8th: 8:00 is 12:00 UTC.
        {"the earliest of a past and two future days",
         CTime(2026, 3, 10, 15, 0, 0),
         {{2026, 3, 9, 0, 2, 20, 0}, {2026, 3, 17, 1, 1, 7, 30}, {2026, 3, 11, 2, 5, 8, 0}},
         CTime(1773230400),
         5},
        {"an alarm in the current minute is not ahead",
         CTime(2026, 7, 20, 9, 15, 20),
         {{2026, 7, 20, 3, 3, 9, 15}},
         CTime(),
         0},
        {"the next minute is",
         CTime(2026, 7, 20, 9, 15, 59),
         {{2026, 7, 20, 0, 6, 9, 16}},
         CTime(2026, 7, 20, 9, 16, 0),
         6},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        for (const test::Alarm& a : s.set) {
            test::SetAlarm(a);
        }
        const auto [call, type] = ScheduleAt(s.now);
        EXPECT_EQ(call.withdraw, s.type == 0);
        EXPECT_EQ(call.when, s.when);
        EXPECT_EQ(type, s.type == 0 ? std::nullopt : std::optional<int>(s.type));
        if (s.type != 0) {
            EXPECT_EQ(call.executable, std::filesystem::canonical("/proc/self/exe").string());
        }
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

// Stand-ins for systemd's tools that log their arguments, and the user manager's runtime folder.
class SystemdTest : public test::StoreTest {
protected:
    SystemdTest() {
        std::filesystem::create_directories(bin);
        std::filesystem::create_directories(runtime + "/systemd");
        setenv("PATH", (bin + ":/usr/bin:/bin").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    ~SystemdTest() override {
        setenv("PATH", oldPath.c_str(), 1);
        oldRuntime ? setenv("XDG_RUNTIME_DIR", oldRuntime, 1) : unsetenv("XDG_RUNTIME_DIR");
    }

    void FakeTool(const std::string& name, const std::string& body) {
        const std::string path = bin + "/" + name;
        test::WriteFileBytes(path, "#!/bin/sh\n" + body);
        chmod(path.c_str(), 0755);
    }
    void LoggingTools() {
        const std::string logArgs = "echo \"== $(basename \"$0\")\" >> '" + log +
                                    "'\n"
                                    "for a in \"$@\"; do printf '%s\\n' \"$a\" >> '" +
                                    log + "'; done\n";
        FakeTool("systemd-run", logArgs);
        FakeTool("systemctl", logArgs);
    }
    void ManagerSocket() { test::WriteFileBytes(runtime + "/systemd/private", ""); }

    std::string bin = home->Root() + "/bin", runtime = home->Root() + "/runtime";
    std::string log = home->Root() + "/calls.log", oldPath = std::getenv("PATH");
    const char* oldRuntime = std::getenv("XDG_RUNTIME_DIR");
};

TEST_F(SystemdTest, WithoutSystemdNothingRunsAndNothingIsSaid) {
    std::vector<Args> ran;
    SystemdStartScheduler systemd([&](const Args& argv) {
        ran.push_back(argv);
        return 0;
    });
    // Tools but no user manager; then a manager but no systemd-run.
    LoggingTools();
    systemd.Schedule(CTime(1800003600), "/usr/bin/velmora");
    systemd.Withdraw();
    ManagerSocket();
    std::filesystem::remove(bin + "/systemd-run");
    setenv("PATH", bin.c_str(), 1);
    systemd.Schedule(CTime(1800003600), "/usr/bin/velmora");
    systemd.Withdraw();
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_FALSE(test::FileExists(log));
}

TEST_F(SystemdTest, TheToolsGetEachArgumentWholeWithNoShellBetweenAndOldTimersStopFirst) {
    LoggingTools();
    ManagerSocket();
    setenv("DISPLAY", ":7 $(touch /tmp/never)", 1);
    ScopedClockPin pin(CTime(1800000000));
    SystemdStartScheduler systemd;
    systemd.Schedule(CTime(1800003600), "/path with spaces/velmora");
    systemd.Withdraw();

    std::string expected;
    for (const Args& args :
         {SystemdStopArguments(),
          SystemdRunArguments(CTime(1800003600), "/path with spaces/velmora", CTime(1800000000)),
          SystemdStopArguments()}) {
        expected += "== " + args[0] + "\n";
        for (size_t i = 1; i < args.size(); ++i) {
            expected += args[i] + "\n";
        }
    }
    unsetenv("DISPLAY");
    EXPECT_EQ(test::ReadFileBytes(log), expected);
    EXPECT_NE(expected.find("--on-calendar=2027-01-15 09:00:00 UTC\n"), std::string::npos);
    EXPECT_NE(expected.find("systemctl\n--user\n--quiet\nstop\nvelmora-alarm-*.timer\n"),
              std::string::npos);
    EXPECT_NE(expected.find("--setenv=DISPLAY=:7 $(touch /tmp/never)\n"), std::string::npos);
}

TEST_F(SystemdTest, AHelperThatHangsIsKilledAndOneThatFailsIsReported) {
    FakeTool("hangs", "exec sleep 60\n");
    FakeTool("fails", "exit 3\n");
    EXPECT_EQ(RunProgram({"hangs"}, std::chrono::milliseconds(200)), -1);
    EXPECT_EQ(RunProgram({"fails"}), 3);
    EXPECT_EQ(RunProgram({"no-such-tool-anywhere"}), -1);
    EXPECT_EQ(FindProgramInPath("fails"), bin + "/fails");
    EXPECT_EQ(FindProgramInPath("no-such-tool-anywhere"), std::nullopt);
    test::WriteFileBytes(bin + "/plain", "#!/bin/sh\n");  // not executable
    std::filesystem::create_directory(bin + "/folder");
    EXPECT_EQ(FindProgramInPath("plain"), std::nullopt);
    EXPECT_EQ(FindProgramInPath("folder"), std::nullopt);
}

}  // namespace
}  // namespace velmora
