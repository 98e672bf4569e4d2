#pragma once

// Child processes for the kill tests: started with their output and errors in pipes, read
// while they run, killed at a chosen moment.

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace velmora::test {

struct Child {
    pid_t pid = 0;
    int out = -1;
    int err = -1;
};

// Starts `program` with `args`, its standard output and error in pipes.
inline Child Spawn(const char* program, std::vector<std::string> args) {
    Child child;
    int out[2], err[2];
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
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    EXPECT_EQ(posix_spawn(&child.pid, program, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    child.out = out[0];
    child.err = err[0];
    return child;
}

// Appends what `fd` gives to `text` until `until`, the end of the output, or (when `wanted`
// is given) until `text` holds `wanted`.
inline void ReadUntil(int fd, std::string& text, std::chrono::steady_clock::time_point until,
                      const char* wanted = nullptr) {
    char buf[4096];
    while (std::chrono::steady_clock::now() < until &&
           !(wanted && text.find(wanted) != std::string::npos)) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 1) > 0) {
            const ssize_t n = read(fd, buf, sizeof buf);
            if (n <= 0) {
                return;
            }
            text.append(buf, static_cast<size_t>(n));
        }
    }
}

// Everything left to read from `fd`, which is then closed.
inline std::string ReadToEnd(int fd) {
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;) {
        text.append(buf, static_cast<size_t>(n));
    }
    close(fd);
    return text;
}

// Kills the child at once and waits for it; its wait status.
inline int KillAndWait(pid_t pid) {
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

}  // namespace velmora::test
