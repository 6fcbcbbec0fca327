#include "link_test_support.h"

#include "core/image/code_plug_file.h"
#include "core/link/link_protocol.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <random>
#include <spawn.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace dpmr::test {

TempDir::TempDir() {
    std::string pattern = "/tmp/dpmr-link-test-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    for (const auto &name : Names())
        ::unlink(File(name).c_str());
    ::rmdir(path_.c_str());
}

std::vector<std::string> TempDir::Names() const {
    std::vector<std::string> names;
    if (DIR *dir = ::opendir(path_.c_str())) {
        while (const dirent *entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

Image RandomImage(unsigned seed) {
    std::mt19937 random(seed);
    Image image;
    for (std::size_t i = 0; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(random());
    if (image[kBandLowLimit + 3] == 0xFF)
        image[kBandLowLimit + 3] = 0x47;
    return image;
}

void SaveImage(const std::string &path, const Image &image) {
    if (!SaveCodePlugFile(path, image))
        throw std::runtime_error("cannot save " + path);
}

Image LoadImage(const std::string &path) {
    Image image;
    if (const FileResult loaded = LoadCodePlugFile(path, image); !loaded)
        throw std::runtime_error(loaded.message);
    return image;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool WaitForFile(const std::string &path, std::size_t size, int ms) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    struct stat info {};
    while (::stat(path.c_str(), &info) != 0 || static_cast<std::size_t>(info.st_size) != size) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void RecordingObserver::DisableStart() {
    ++disableStarts;
    if (cancelAtStart)
        flags_.cancel = 1;
}

void RecordingObserver::Reset() {
    disableStarts = position = closeRequests = 0;
    busyAtClose = -1;
    percents.clear();
    messages.clear();
}

int RecordingObserver::StepProgress() {
    ++position;
    if (position == cancelAtPosition)
        flags_.cancel = 1;
    return position;
}

bool LinkRig::Start(const std::vector<std::string> &simArgs, std::string &error) {
    std::vector<std::string> args = simArgs;
    args.push_back("--quiet");
    // Answer the wake-up well after the engine's purge that follows its last byte, even on a
    // loaded machine; still far inside the 150 ms time-out.
    args.insert(args.end(), {"--wake-delay", "30"});
    return radio.Start(DPMR_SIM_PATH, args, error);
}

LinkOutcome LinkRig::Run(LinkDirection direction, const Image &image) {
    return RunOn(radio.Path(), direction, image);
}

LinkOutcome LinkRig::RunOn(const std::string &portName, LinkDirection direction,
                           const Image &image) {
    trace.clear();
    observer.Reset();
    SerialPort serial;
    TracingPort port(serial, [this](const TraceEvent &event) { trace.push_back(event); });
    const auto start = std::chrono::steady_clock::now();
    LinkOutcome outcome = RunRadioLink(direction, portName, image, port, observer, flags);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return outcome;
}

std::vector<std::uint8_t> LinkRig::Sent() const {
    std::vector<std::uint8_t> bytes;
    for (const auto &event : trace)
        if (event.kind == TraceEvent::Kind::Sent)
            bytes.insert(bytes.end(), event.bytes.begin(), event.bytes.end());
    return bytes;
}

std::vector<TraceEvent> LinkRig::SentEvents() const {
    std::vector<TraceEvent> sent;
    std::copy_if(trace.begin(), trace.end(), std::back_inserter(sent),
                 [](const TraceEvent &e) { return e.kind == TraceEvent::Kind::Sent; });
    return sent;
}

long LinkRig::LastSendOf(const std::vector<std::uint8_t> &bytes) const {
    for (long i = static_cast<long>(trace.size()) - 1; i >= 0; --i) {
        const TraceEvent &event = trace[static_cast<std::size_t>(i)];
        if (event.kind == TraceEvent::Kind::Sent && event.asked == bytes.size() &&
            std::equal(bytes.begin(), bytes.end(), event.bytes.begin(), event.bytes.end()))
            return i;
    }
    return -1;
}

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> bytes;
    for (const int v : values)
        bytes.push_back(static_cast<std::uint8_t>(v));
    return bytes;
}

bool SameRange(const Image &a, const Image &b, std::size_t from, std::size_t to) {
    return std::equal(a.data() + from, a.data() + to, b.data() + from);
}

std::string NameOf(const std::string &text) {
    std::string name = text;
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

ToolProcess::~ToolProcess() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0)
        ::close(out_);
    if (err_ >= 0)
        ::close(err_);
}

bool ToolProcess::Start(const std::vector<std::string> &args) {
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        return false;
    if (::pipe2(err, O_CLOEXEC) != 0) {
        ::close(out[0]);
        ::close(out[1]);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    std::vector<std::string> words{DPMR_TOOL_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (auto &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const int spawned =
        ::posix_spawn(&pid_, DPMR_TOOL_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
    out_ = out[0];
    err_ = err[0];
    if (spawned != 0)
        pid_ = -1;
    return spawned == 0;
}

bool ToolProcess::WaitForErr(const std::string &text, int ms) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (run_.err.find(text) == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        pollfd waiter{err_, POLLIN, 0};
        if (left <= 0 || ::poll(&waiter, 1, static_cast<int>(left)) <= 0)
            return false;
        char chunk[4096];
        const ssize_t n = ::read(err_, chunk, sizeof chunk);
        if (n <= 0)
            return false;
        run_.err.append(chunk, static_cast<std::size_t>(n));
    }
    return true;
}

void ToolProcess::Signal(int signal) {
    if (pid_ > 0)
        ::kill(pid_, signal);
}

ToolRun ToolProcess::Finish() {
    // Drain both pipes together so that neither fills up and blocks the tool.
    pollfd pipes[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
    std::string *into[2] = {&run_.out, &run_.err};
    int open = 2;
    while (open > 0) {
        if (::poll(pipes, 2, 60000) <= 0)
            break;
        for (int i = 0; i < 2; ++i) {
            if (pipes[i].fd < 0 || !(pipes[i].revents & (POLLIN | POLLHUP)))
                continue;
            char chunk[4096];
            const ssize_t n = ::read(pipes[i].fd, chunk, sizeof chunk);
            if (n > 0) {
                into[i]->append(chunk, static_cast<std::size_t>(n));
            } else {
                pipes[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    if (pid_ > 0 && ::waitpid(pid_, &status, 0) == pid_)
        run_.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    pid_ = -1;
    return run_;
}

ToolRun RunTool(const std::vector<std::string> &args) {
    ToolProcess tool;
    if (!tool.Start(args))
        return {};
    return tool.Finish();
}

} // namespace dpmr::test
