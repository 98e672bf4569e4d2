#pragma once

#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ctime.h"

namespace velmora {

// The system service that starts the program at a given time.
class IStartScheduler {
public:
    virtual ~IStartScheduler() = default;
    // Start `executable` at `when`, in place of any earlier registration.
    virtual void Schedule(CTime when, const std::string& executable) = 0;
    // Withdraw the earlier registration, if any.
    virtual void Withdraw() = 0;
};

// Every unit the program registers is named with this prefix, so the last registration can
// be found and replaced without knowing its name.
inline constexpr const char* kAlarmUnitPrefix = "velmora-alarm-";

// Reads an environment variable: null when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The command that registers a start of `executable` at `when` as a transient systemd user
// timer named velmora-alarm-<when>-<registeredAt> (seconds since 1970), accurate to the
// second, with the session's display and bus variables that are set passed on. The time
// is given in UTC, so the user manager's time zone cannot shift it.
std::vector<std::string> SystemdRunArguments(CTime when, const std::string& executable,
                                             CTime registeredAt,
                                             const EnvironmentLookup& env = &std::getenv);
// The command that stops the earlier registrations' timers (never a running program).
std::vector<std::string> SystemdStopArguments();

// Runs a program with an argument vector, no shell, standard streams on /dev/null; its exit
// status, or -1 when it could not be started or did not end within `timeout` (it is killed).
int RunProgram(const std::vector<std::string>& argv,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The full path of a program found in PATH, if any.
std::optional<std::string> FindProgramInPath(const std::string& name);

// The absolute path of the running program's executable (empty when unknown).
std::string ProgramExecutablePath();

// The scheduler of a systemd desktop: `systemd-run --user` timers. Where there is no
// systemd-run or no user manager to reach, it does nothing and says nothing.
class SystemdStartScheduler : public IStartScheduler {
public:
    using Runner = std::function<int(const std::vector<std::string>& argv)>;

    SystemdStartScheduler();
    explicit SystemdStartScheduler(Runner runner);

    void Schedule(CTime when, const std::string& executable) override;
    void Withdraw() override;

    // systemd-run and systemctl are in PATH and the user manager's socket exists.
    static bool Available();

private:
    Runner m_run;
};

}  // namespace velmora
