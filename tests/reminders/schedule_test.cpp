// The start at the next alarm: which alarm, what is remembered, and what systemd is asked.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "platform/clock.h"
#include "platform/profile.h"
#include "reminders/nextalarm.h"
#include "reminders/startscheduler.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tests/support/recordingscheduler.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

using Args = std::vector<std::string>;

void SetAlarm(CTime day, int slot, int type, int hour, int minute) {
    const LocalTime d = day.Local();
    CVelmoraMFCDoc doc;
    doc.OpenDay(d.year, d.month, d.day);
    doc.m_alarm = true;
    doc.m_alarmType[slot] = static_cast<uint16_t>(type);
    doc.m_alarmTime[slot] = CTime(d.year, d.month, d.day, hour, minute, 0);
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
}

class ScheduleTest : public test::StoreTest {
protected:
    ScheduleTest() : tz("America/New_York") {}

    std::optional<int> StoredAlarmType() {
        const auto raw = profile.Raw(kSettingsSection, "AlarmType");
        return raw ? ParseProfileInt(*raw) : std::nullopt;
    }

    test::ScopedTimeZone tz;
    MemoryProfileStore profile;
    RecordingStartScheduler scheduler;
};

TEST_F(ScheduleTest, AtExitTheEarliestFutureAlarmIsScheduledWithItsType) {
    // 10 March 2026, 15:00 in New York (daylight time began on the 8th).
    const CTime now(2026, 3, 10, 15, 0, 0);
    ScopedClockPin pin(now);
    SetAlarm(now - kSecondsPerDay, 0, 2, 20, 0);
    SetAlarm(now + 7 * kSecondsPerDay, 1, 1, 7, 30);
    SetAlarm(now + kSecondsPerDay, 2, 5, 8, 0);

    ScheduleNextAlarm(profile, scheduler);

    ASSERT_EQ(scheduler.calls.size(), 1u);
    const auto& call = scheduler.calls[0];
    EXPECT_FALSE(call.withdraw);
    EXPECT_EQ(call.when.GetTime(), 1773230400);  // 2026-03-11 12:00:00 UTC
    EXPECT_EQ(call.executable, std::filesystem::canonical("/proc/self/exe").string());
    EXPECT_EQ(StoredAlarmType(), 5);

    // What systemd is asked for that start.
    const std::map<std::string, std::string> env = {
        {"DISPLAY", ":1"},
        {"XAUTHORITY", "/home/u/.Xauthority"},
        {"XDG_RUNTIME_DIR", "/run/user/1000"},
        {"DBUS_SESSION_BUS_ADDRESS", ""},
        {"HOME", "/home/u"},
    };
    const Args args = SystemdRunArguments(call.when, "/opt/velmora/bin/velmora", now,
                                          [&](const char* name) -> const char* {
                                              const auto it = env.find(name);
                                              return it == env.end() ? nullptr : it->second.c_str();
                                          });
    EXPECT_EQ(args, (Args{
                        "systemd-run",
                        "--user",
                        "--quiet",
                        "--collect",
                        "--unit=velmora-alarm-1773230400-1773169200",
                        "--on-calendar=2026-03-11 12:00:00 UTC",
                        "--timer-property=AccuracySec=1s",
                        "--setenv=DISPLAY=:1",
                        "--setenv=XAUTHORITY=/home/u/.Xauthority",
                        "--setenv=XDG_RUNTIME_DIR=/run/user/1000",
                        "--",
                        "/opt/velmora/bin/velmora",
                    }));
    EXPECT_EQ(SystemdStopArguments(),
              (Args{"systemctl", "--user", "--quiet", "stop", "velmora-alarm-*.timer"}));
}

TEST_F(ScheduleTest, AnAlarmInTheCurrentMinuteIsNotAhead) {
    const CTime today(2026, 7, 20, 12, 0, 0);
    SetAlarm(today, 3, 3, 9, 15);
    {
        ScopedClockPin pin(CTime(2026, 7, 20, 9, 15, 20));
        ScheduleNextAlarm(profile, scheduler);
    }
    ASSERT_EQ(scheduler.calls.size(), 1u);
    EXPECT_TRUE(scheduler.calls[0].withdraw);
    EXPECT_EQ(StoredAlarmType(), std::nullopt);

    // The next minute is ahead; so is the alarm a second from now, but not the one now.
    SetAlarm(today, 0, 6, 9, 16);
    {
        ScopedClockPin pin(CTime(2026, 7, 20, 9, 15, 59));
        ScheduleNextAlarm(profile, scheduler);
    }
    {
        ScopedClockPin pin(CTime(2026, 7, 20, 9, 16, 0));
        ScheduleNextAlarm(profile, scheduler);
    }
    ASSERT_EQ(scheduler.calls.size(), 3u);
    EXPECT_FALSE(scheduler.calls[1].withdraw);
    EXPECT_EQ(scheduler.calls[1].when, CTime(2026, 7, 20, 9, 16, 0));
    EXPECT_EQ(StoredAlarmType(), 6);
    EXPECT_TRUE(scheduler.calls[2].withdraw);
}

TEST_F(ScheduleTest, AmongEqualTimesTheFirstMetWinsAndNoStoreWithdraws) {
    ScopedClockPin pin(CTime(2026, 1, 5, 10, 0, 0));
    ScheduleNextAlarm(profile, scheduler);  // no store at all
    ASSERT_EQ(scheduler.calls.size(), 1u);
    EXPECT_TRUE(scheduler.calls[0].withdraw);
    EXPECT_TRUE(profile.WriteLog().empty());

    const CTime day(2026, 1, 6, 12, 0, 0);
    SetAlarm(day, 0, 4, 18, 45);
    SetAlarm(day, 2, 8, 18, 45);
    SetAlarm(day, 1, 9, 19, 0);
    ScheduleNextAlarm(profile, scheduler);
    ASSERT_EQ(scheduler.calls.size(), 2u);
    EXPECT_EQ(scheduler.calls[1].when, CTime(2026, 1, 6, 18, 45, 0));
    EXPECT_EQ(StoredAlarmType(), 8);  // slot 2 is met before slot 0
}

// A folder of stand-ins for systemd's tools that log their arguments, one per line, and a
// runtime folder where the user manager's socket would be.
class SystemdTest : public test::StoreTest {
protected:
    SystemdTest() {
        bin = home->Root() + "/bin";
        runtime = home->Root() + "/runtime";
        log = home->Root() + "/calls.log";
        std::filesystem::create_directories(bin);
        std::filesystem::create_directories(runtime + "/systemd");
        oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        if (const char* r = std::getenv("XDG_RUNTIME_DIR")) {
            oldRuntime = r;
        }
        setenv("PATH", (bin + ":/usr/bin:/bin").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    ~SystemdTest() override {
        setenv("PATH", oldPath.c_str(), 1);
        if (oldRuntime) {
            setenv("XDG_RUNTIME_DIR", oldRuntime->c_str(), 1);
        } else {
            unsetenv("XDG_RUNTIME_DIR");
        }
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

    std::string bin, runtime, log, oldPath;
    std::optional<std::string> oldRuntime;
};

TEST_F(SystemdTest, ScheduleStopsTheOldTimersFirstAndWithdrawOnlyStops) {
    LoggingTools();
    ManagerSocket();
    std::vector<Args> ran;
    SystemdStartScheduler systemd([&](const Args& argv) {
        ran.push_back(argv);
        return 0;
    });
    ScopedClockPin pin(CTime(1800000000));
    systemd.Schedule(CTime(1800003600), "/usr/bin/velmora");
    systemd.Withdraw();
    ASSERT_EQ(ran.size(), 3u);
    EXPECT_EQ(ran[0], SystemdStopArguments());
    EXPECT_EQ(ran[1],
              SystemdRunArguments(CTime(1800003600), "/usr/bin/velmora", CTime(1800000000)));
    EXPECT_EQ(ran[2], SystemdStopArguments());
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(SystemdTest, WithoutSystemdNothingRunsAndNothingIsSaid) {
    std::vector<Args> ran;
    SystemdStartScheduler systemd([&](const Args& argv) {
        ran.push_back(argv);
        return 0;
    });
    // Tools but no user manager to talk to.
    LoggingTools();
    systemd.Schedule(CTime(1800003600), "/usr/bin/velmora");
    systemd.Withdraw();
    unsetenv("XDG_RUNTIME_DIR");
    systemd.Schedule(CTime(1800003600), "/usr/bin/velmora");
    // A manager but no systemd-run.
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    ManagerSocket();
    std::filesystem::remove(bin + "/systemd-run");
    setenv("PATH", bin.c_str(), 1);
    systemd.Schedule(CTime(1800003600), "/usr/bin/velmora");
    systemd.Withdraw();
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_FALSE(test::FileExists(log));
}

TEST_F(SystemdTest, TheToolsGetEachArgumentWholeWithNoShellBetween) {
    LoggingTools();
    ManagerSocket();
    setenv("DISPLAY", ":7 $(touch /tmp/never)", 1);
    ScopedClockPin pin(CTime(1800000000));
    SystemdStartScheduler systemd;
    systemd.Schedule(CTime(1800003600), "/path with spaces/velmora");

    std::string expected = "== systemctl\n";
    const Args stop = SystemdStopArguments();
    for (size_t i = 1; i < stop.size(); ++i) {
        expected += stop[i] + "\n";
    }
    expected += "== systemd-run\n";
    const Args run =
        SystemdRunArguments(CTime(1800003600), "/path with spaces/velmora", CTime(1800000000));
    for (size_t i = 1; i < run.size(); ++i) {
        expected += run[i] + "\n";
    }
    unsetenv("DISPLAY");
    EXPECT_EQ(test::ReadFileBytes(log), expected);
    EXPECT_NE(expected.find("--on-calendar=2027-01-15 09:00:00 UTC\n"), std::string::npos);
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
}

}  // namespace
}  // namespace velmora
