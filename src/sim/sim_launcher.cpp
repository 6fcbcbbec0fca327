#include "sim/sim_launcher.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace dpmr::sim {

SimProcess::~SimProcess() {
    Stop();
}

bool SimProcess::Start(const std::string &executable, const std::vector<std::string> &args,
                       std::string &error) {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::vector<std::string> words{executable};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (auto &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned =
        ::posix_spawn(&pid, executable.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(out[0]);
        error = executable + ": " + std::strerror(spawned);
        return false;
    }
    pid_ = pid;

    // The first line is the path; a sanitized build can take a while to start.
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (line.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd waiter{out[0], POLLIN, 0};
        if (left.count() <= 0 || ::poll(&waiter, 1, static_cast<int>(left.count())) <= 0)
            break;
        char chunk[256];
        const ssize_t n = ::read(out[0], chunk, sizeof chunk);
        if (n <= 0)
            break;
        line.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(out[0]);
    const auto newline = line.find('\n');
    if (newline == std::string::npos || newline == 0) {
        error = executable + " printed no terminal path";
        Stop();
        return false;
    }
    path_ = line.substr(0, newline);
    return true;
}

bool SimProcess::WaitForExit(int ms, int &status) {
    if (pid_ <= 0)
        return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        const pid_t done = ::waitpid(pid_, &status, WNOHANG);
        if (done == pid_ || (done < 0 && errno != EINTR)) {
            pid_ = -1;
            return done > 0;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

int SimProcess::Stop() {
    if (pid_ <= 0)
        return -1;
    const pid_t pid = pid_;
    ::kill(pid, SIGTERM);
    int status = 0;
    // WaitForExit forgets the pid when the child is gone; never signal anything but our own
    // child (kill(-1, ...) would reach every process we own).
    if (!WaitForExit(20000, status) && pid_ > 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        pid_ = -1;
    }
    return status;
}

bool ExitedCleanly(int status) {
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace dpmr::sim
