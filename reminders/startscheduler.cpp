#include "reminders/startscheduler.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <thread>

#include "platform/clock.h"

extern char** environ;

namespace velmora {

namespace {

// What a program started by the timer needs to reach the desktop session.
constexpr const char* kPassedVariables[] = {
    "DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "XDG_RUNTIME_DIR", "DBUS_SESSION_BUS_ADDRESS",
};

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

std::string UtcCalendar(CTime when) {
    const time_t t = static_cast<time_t>(when.GetTime());
    struct tm utc {};
    gmtime_r(&t, &utc);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d UTC", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

}  // namespace

std::vector<std::string> SystemdRunArguments(CTime when, const std::string& executable,
                                             CTime registeredAt, const EnvironmentLookup& env) {
    std::vector<std::string> args = {
        "systemd-run",
        "--user",
        "--quiet",
        "--collect",
        "--unit=" + std::string(kAlarmUnitPrefix) + std::to_string(when.GetTime()) + "-" +
            std::to_string(registeredAt.GetTime()),
        "--on-calendar=" + UtcCalendar(when),
        "--timer-property=AccuracySec=1s",
    };
    for (const char* name : kPassedVariables) {
        const char* value = env(name);
        if (value && *value) {
            args.push_back(std::string("--setenv=") + name + "=" + value);
        }
    }
    args.push_back("--");
    args.push_back(executable);
    return args;
}

std::vector<std::string> SystemdStopArguments() {
    // A pattern matches loaded units only; only timers are named, so a program that a
    // timer started goes on running.
    return {"systemctl", "--user", "--quiet", "stop", std::string(kAlarmUnitPrefix) + "*.timer"};
}

std::optional<std::string> FindProgramInPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (!path || name.empty() || name.find('/') != std::string::npos) {
        return std::nullopt;
    }
    std::string dirs = path;
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) {
            end = dirs.size();
        }
        std::string dir = dirs.substr(start, end - start);
        if (dir.empty()) {
            dir = ".";
        }
        const std::string candidate = dir + "/" + name;
        if (IsExecutableFile(candidate)) {
            return candidate;
        }
        start = end + 1;
    }
    return std::nullopt;
}

std::string ProgramExecutablePath() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) {
        return {};
    }
    return std::string(buffer, static_cast<size_t>(n));
}

int RunProgram(const std::vector<std::string>& argv, std::chrono::milliseconds timeout) {
    if (argv.empty()) {
        return -1;
    }
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd = 0; fd <= 2; ++fd) {
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY,
                                         0);
    }
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        return -1;
    }
    // Exit must never hang on a helper: poll, and kill it once the time is up.
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (done < 0 && errno != EINTR) {
            return -1;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

SystemdStartScheduler::SystemdStartScheduler()
    : m_run([](const std::vector<std::string>& argv) { return RunProgram(argv); }) {}

SystemdStartScheduler::SystemdStartScheduler(Runner runner) : m_run(std::move(runner)) {}

bool SystemdStartScheduler::Available() {
    if (!FindProgramInPath("systemd-run") || !FindProgramInPath("systemctl")) {
        return false;
    }
    // systemctl --user talks to the manager over its private socket or the session bus.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || !*runtime) {
        return false;
    }
    const std::string dir = runtime;
    return Exists(dir + "/systemd/private") || Exists(dir + "/bus");
}

void SystemdStartScheduler::Schedule(CTime when, const std::string& executable) {
    if (!Available()) {
        return;
    }
    m_run(SystemdStopArguments());
    m_run(SystemdRunArguments(when, executable, Clock::Now()));
}

void SystemdStartScheduler::Withdraw() {
    if (!Available()) {
        return;
    }
    m_run(SystemdStopArguments());
}

}  // namespace velmora
