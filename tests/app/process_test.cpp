// The real program as a process: SIGTERM ends it through the exit routine, and a second
// start hands over to the running copy.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLocalSocket>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "app/processglue.h"
#include "tests/support/testenv.h"

extern char** environ;

namespace velmora {
namespace {

class ProcessTest : public test::StoreTest {
protected:
    pid_t Launch(int listenDelayMs = 0) {
        std::vector<std::string> env = {
            "QT_QPA_PLATFORM=offscreen", "SDL_AUDIODRIVER=dummy", "VELMORA_TEST_SPLASH_MS=0",
            "VELMORA_TEST_LISTEN_DELAY_MS=" + std::to_string(listenDelayMs)};
        for (char** e = environ; *e; ++e) {
            const std::string kv = *e;
            if (kv.rfind("XDG_RUNTIME_DIR=", 0) != 0 && kv.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
                kv.rfind("SDL_AUDIODRIVER=", 0) != 0) {
                env.push_back(kv);  // no user services, no screen, no sound card
            }
        }
        std::vector<char*> envp;
        for (auto& kv : env) {
            envp.push_back(kv.data());
        }
        envp.push_back(nullptr);
        char* argv[] = {const_cast<char*>(VELMORA_EXE), nullptr};
        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, VELMORA_EXE, nullptr, nullptr, argv, envp.data()), 0);
        return pid;
    }
    // Waits until the running copy answers at its rendezvous.
    static bool WaitForListener(int seconds) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (std::chrono::steady_clock::now() < until) {
            QLocalSocket s;
            s.connectToServer(SingleInstance::ServerName());
            if (s.waitForConnected(200)) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    // Waits for `pid` to end; its exit status, or -1 when it does not end in time.
    static int WaitExit(pid_t pid, int seconds) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        int status = 0;
        while (std::chrono::steady_clock::now() < until) {
            if (waitpid(pid, &status, WNOHANG) == pid) {
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }
    std::string SettingsFile() const { return home->ConfigHome() + "/Tessaryn/VelmoraMFC.conf"; }
};

TEST_F(ProcessTest, TermEndsTheProgramThroughTheExitRoutine) {
    for (int sig : {SIGTERM, SIGINT}) {
        std::remove(SettingsFile().c_str());
        const pid_t pid = Launch();
        ASSERT_TRUE(WaitForListener(20));
        kill(pid, sig);  // the handlers are in place before the copy listens
        EXPECT_EQ(WaitExit(pid, 20), 0);
        // The exit routine wrote every setting.
        const std::string settings = test::ReadFileBytes(SettingsFile());
        EXPECT_NE(settings.find("CycleLength=28"), std::string::npos) << settings;
        EXPECT_NE(settings.find("Skin=3"), std::string::npos);
        EXPECT_EQ(test::FileMode(SettingsFile()), 0600);
    }
}

// A second start hands over to the running copy and ends. Two copies started at the same
// moment, again and again: exactly one stays each time; in every other round both pause
// before listening, which holds the moment of the race open. In the first round the second
// starts only once the first listens.
TEST_F(ProcessTest, OfTwoCopiesExactlyOneRuns) {
    for (int round = 0; round < 21; ++round) {
        SCOPED_TRACE(round);
        const int delay = round % 2 == 0 ? 0 : 300;
        const pid_t a = Launch(delay);
        if (round == 0) {
            ASSERT_TRUE(WaitForListener(20));
        }
        const pid_t b = Launch(delay);
        // One of them hands over and ends...
        pid_t ended = 0;
        int status = 0;
        for (int wait = 0; ended == 0 && wait < 3000; ++wait) {
            for (pid_t p : {a, b}) {
                ended = ended ? ended : (waitpid(p, &status, WNOHANG) == p ? p : 0);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (ended == 0) {
            kill(a, SIGKILL);
            kill(b, SIGKILL);
            waitpid(a, &status, 0);
            waitpid(b, &status, 0);
            FAIL() << "both copies kept running";
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        if (round == 0) {
            EXPECT_EQ(ended, b) << "the copy that listened first runs on";
        }
        // ... and the other runs on, answering at the rendezvous.
        const pid_t running = ended == a ? b : a;
        ASSERT_TRUE(WaitForListener(20));
        EXPECT_EQ(waitpid(running, &status, WNOHANG), 0);
        kill(running, SIGTERM);
        ASSERT_EQ(WaitExit(running, 20), 0);
    }
}

}  // namespace
}  // namespace velmora
