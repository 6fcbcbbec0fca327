// read and write: one link per port, each on its own thread, so a fleet takes as long as its
// slowest radio. A port's failure is reported on its own line and touches no other port.

#include "cli/progress_board.h"
#include "cli/tool_commands.h"
#include "cli/tool_observer.h"
#include "core/app/backups.h"
#include "core/image/code_plug_file.h"
#include "core/image/factory_defaults.h"
#include "core/link/link_protocol.h"
#include "core/link/port_names.h"
#include "core/link/radio_link.h"
#include "core/link/serial_port.h"
#include "core/link/trace_port.h"
#include "core/text/message_text.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace dpmr::cli {

namespace {

// Ctrl-C asks every exchange to stop after the current block, so each radio gets its "ENDW";
// a second Ctrl-C ends the tool at once. The handler only stores into lock-free atomics.
constexpr std::size_t kMaxLinks = 64;
std::array<std::atomic<std::atomic<int> *>, kMaxLinks> g_cancel{};

void OnInterrupt(int) {
    for (auto &slot : g_cancel)
        if (std::atomic<int> *cancel = slot.load())
            cancel->store(1);
}

class InterruptCancels {
public:
    explicit InterruptCancels(std::vector<LinkFlags> &flags) {
        for (std::size_t i = 0; i < flags.size() && i < kMaxLinks; ++i)
            g_cancel[i] = &flags[i].cancel;
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previous_);
    }
    ~InterruptCancels() {
        sigaction(SIGINT, &previous_, nullptr);
        for (auto &slot : g_cancel)
            slot = nullptr;
    }

private:
    struct sigaction previous_ {};
};

std::string PortLabel(const std::string &port) {
    const std::string device = ResolvePortName(port);
    const std::string label = device.empty() || device == port ? port : port + " (" + device + ")";
    return EscapedText(label, kEchoedPathLength);
}

// Refuse early what could only fail after a whole exchange.
bool CanCreateBeside(const std::string &file, std::string &reason) {
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        reason = "is a folder";
        return false;
    }
    const auto slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : file.substr(0, slash + 1);
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        reason = "cannot write in " + folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

struct LinkRun {
    LinkOutcome outcome;
    std::string failure; // "Communication error: ..." when not completed
    bool cancelled = false;
};

// What every port's thread shares; each thread touches only its own slot of `results`.
struct Fleet {
    Fleet(const ToolOptions &o, std::vector<std::string> labels)
        : options(o), board(stdout, !o.trace && ::isatty(STDOUT_FILENO), labels, kLinkBlockCount),
          flags(o.ports.size()), labels(std::move(labels)), results(o.ports.size()) {}

    struct Result {
        bool ok = false;
        bool cancelled = false;
        std::string line;
    };
    const ToolOptions &options;
    ProgressBoard board;
    std::vector<LinkFlags> flags;
    std::vector<std::string> labels;
    std::vector<Result> results;
};

LinkRun RunLink(Fleet &fleet, std::size_t slot, LinkDirection direction, const Image &image,
                const char *phase) {
    const std::string &port = fleet.options.ports[slot];
    SerialPort serial;
    const auto start = std::chrono::steady_clock::now();
    const std::string prefix = fleet.options.ports.size() > 1 ? port + " " : "";
    TracingPort tracing(serial, [start, prefix](const TraceEvent &event) {
        std::fprintf(stderr, "%s%s\n", prefix.c_str(), FormatTraceEvent(event, start).c_str());
    });
    LinkPort &link = fleet.options.trace ? static_cast<LinkPort &>(tracing) : serial;
    ToolObserver observer(fleet.board, slot);
    fleet.board.StartPhase(slot, phase);
    LinkRun run;
    run.outcome = RunRadioLink(direction, port, image, link, observer, fleet.flags[slot]);
    if (!run.outcome.completed) {
        run.cancelled = observer.Message().empty();
        run.failure = run.cancelled ? "cancelled; the radio got \"ENDW\""
                                    : observer.Message() + ": " + observer.Detail();
    }
    return run;
}

// Empty when the radio holds what was written.
std::string VerifyDifference(const Image &written, const LinkOutcome &check,
                             const std::string &file) {
    // A radio without band limits gets those of its identification on every read.
    if (!check.shortReplies.empty()) {
        const ShortReply &first = check.shortReplies.front();
        char what[200];
        std::snprintf(what, sizeof what,
                      "verify failed: block %d (0x%04zX) came back with %zu of %zu bytes",
                      first.block, BlockAddress(first.block), first.received, kLinkBlockSize);
        return what;
    }
    Image expected = written;
    FillMissingBandLimits(expected, check.identifiedLow, check.identifiedHigh);
    for (std::size_t i = kLinkFirst; i < kLinkEnd; ++i) {
        if (check.image[i] == expected[i])
            continue;
        const std::size_t block = (i - kLinkFirst) / kLinkBlockSize;
        char where[64], first[32];
        std::snprintf(where, sizeof where, "block %zu (0x%04zX)", block + 1,
                      kLinkFirst + block * kLinkBlockSize);
        std::snprintf(first, sizeof first, "0x%04zX", i);
        return std::string("verify failed: ") + where + " differs from " +
               EscapedText(file, kEchoedPathLength) + ", first at " + first;
    }
    return {};
}

void WritePort(Fleet &fleet, std::size_t slot, const Image &image) {
    Fleet::Result &result = fleet.results[slot];
    const LinkRun written = RunLink(fleet, slot, LinkDirection::Write, image, "write");
    if (!written.outcome.completed) {
        result = {false, written.cancelled, written.failure};
        fleet.board.EndPhase(slot, "failed");
        return;
    }
    if (!fleet.options.verify) {
        result = {true, false, "written"};
        fleet.board.EndPhase(slot, "written");
        return;
    }
    // The read-back starts from the complement of what was written, so that no byte that
    // failed to come back can pass for one that matches.
    Image unlike = image;
    for (std::size_t i = kLinkFirst; i < kLinkEnd; ++i)
        unlike[i] = static_cast<std::uint8_t>(~image[i]);
    const LinkRun check = RunLink(fleet, slot, LinkDirection::Read, unlike, "verify");
    if (!check.outcome.completed) {
        result = {false, check.cancelled, check.failure + " (while verifying)"};
    } else if (std::string difference = VerifyDifference(image, check.outcome, fleet.options.file);
               !difference.empty()) {
        result = {false, false, difference};
    } else {
        result = {true, false, "written and verified"};
    }
    fleet.board.EndPhase(slot, result.ok ? result.line : "failed");
}

void ReadPort(Fleet &fleet, std::size_t slot, const Image &base, const std::string &backups,
              int kept) {
    Fleet::Result &result = fleet.results[slot];
    const std::string &file = fleet.options.files[slot];
    const LinkRun run = RunLink(fleet, slot, LinkDirection::Read, base, "read");
    if (!run.outcome.completed) {
        result = {false, run.cancelled,
                  run.failure + "; " + EscapedText(file, kEchoedPathLength) + " not written"};
    } else if (const FileResult saved = SaveCodePlugFile(file, run.outcome.image); !saved) {
        result = {false, false, saved.message};
    } else {
        result = {true, false, "read into " + EscapedText(file, kEchoedPathLength)};
        // The read is safe in its file already; a backup that fails only says so.
        const BackupResult backup =
            SaveBackup(backups, BackupReason::Read, run.outcome.image, kept);
        if (backup)
            std::fprintf(stderr, "dpmr-tool: backup %s\n", backup.path.c_str());
        else
            std::fprintf(stderr, "dpmr-tool: warning: %s\n", backup.message.c_str());
    }
    fleet.board.EndPhase(slot, result.ok ? "done" : "failed");
}

// Prints one line per port (failures on stderr) and, for a fleet, a
// summary; returns the exit code.
int Report(Fleet &fleet, const char *done) {
    fleet.board.Finish();
    int failed = 0;
    bool cancelled = false;
    for (std::size_t i = 0; i < fleet.results.size(); ++i) {
        const Fleet::Result &r = fleet.results[i];
        if (r.ok) {
            std::printf("%s: %s\n", fleet.labels[i].c_str(), r.line.c_str());
        } else {
            ++failed;
            cancelled = cancelled || r.cancelled;
            std::fflush(stdout);
            std::fprintf(stderr, "dpmr-tool: %s: %s\n", fleet.labels[i].c_str(), r.line.c_str());
        }
    }
    const std::size_t ports = fleet.results.size();
    if (ports > 1) {
        std::printf("%zu of %zu radios %s", ports - static_cast<std::size_t>(failed), ports, done);
        std::string names;
        for (std::size_t i = 0; i < ports; ++i)
            if (!fleet.results[i].ok)
                names.append(names.empty() ? "" : ", ").append(fleet.options.ports[i]);
        std::printf("%s\n", names.empty() ? "" : ("; failed: " + names).c_str());
    }
    std::fflush(stdout);
    if (failed == 0)
        return 0;
    return cancelled ? kExitCancelled : kExitFailed;
}

BackupPlace BackupPlaceFor(const ToolOptions &options) {
    BackupPlace place = BackupPlaceOf(ResolveAppPaths(ExecutableFolder()));
    if (!options.backupFolder.empty())
        place.folder = options.backupFolder;
    return place;
}

std::vector<std::string> Labels(const ToolOptions &options) {
    std::vector<std::string> labels;
    for (const auto &port : options.ports)
        labels.push_back(PortLabel(port));
    return labels;
}

} // namespace

int RunReadCommand(const ToolOptions &options) {
    // Everything that could only fail after the exchanges is checked before any starts.
    std::vector<Image> bases(options.ports.size());
    for (std::size_t i = 0; i < options.files.size(); ++i) {
        const std::string &file = options.files[i];
        std::string reason;
        if (!CanCreateBeside(file, reason)) {
            std::fprintf(stderr, "dpmr-tool: %s: %s\n",
                         EscapedText(file, kEchoedPathLength).c_str(), reason.c_str());
            return kExitFailed;
        }
        // Bytes 0x0000-0x00FF never come from the radio: keep those of the file read into, or
        // take a new code plug's. A file that exists but is no code plug is refused rather
        // than replaced.
        struct stat info {};
        if (::stat(file.c_str(), &info) != 0 && errno == ENOENT) {
            WriteFactoryDefaults(bases[i], BandLimits{});
        } else if (const FileResult loaded = LoadCodePlugFile(file, bases[i]); !loaded) {
            std::fprintf(stderr, "dpmr-tool: %s\n", loaded.message.c_str());
            return kExitFailed;
        }
    }
    const BackupPlace backups = BackupPlaceFor(options);
    Fleet fleet(options, Labels(options));
    std::vector<std::thread> threads;
    {
        InterruptCancels interrupts(fleet.flags);
        for (std::size_t i = 0; i < options.ports.size(); ++i)
            threads.emplace_back(ReadPort, std::ref(fleet), i, std::cref(bases[i]),
                                 std::cref(backups.folder), backups.kept);
        for (auto &thread : threads)
            thread.join();
    }
    return Report(fleet, "read");
}

int RunWriteCommand(const ToolOptions &options) {
    Image image;
    if (const FileResult loaded = LoadCodePlugFile(options.file, image); !loaded) {
        std::fprintf(stderr, "dpmr-tool: %s\n", loaded.message.c_str());
        return kExitFailed;
    }
    // Never a write without a copy of what is written.
    const BackupPlace backups = BackupPlaceFor(options);
    const BackupResult backup =
        SaveBackup(backups.folder, BackupReason::Write, image, backups.kept);
    if (!backup) {
        std::fprintf(stderr, "dpmr-tool: %s; nothing written\n", backup.message.c_str());
        return kExitFailed;
    }
    std::fprintf(stderr, "dpmr-tool: backup %s\n", backup.path.c_str());

    Fleet fleet(options, Labels(options));
    std::vector<std::thread> threads;
    {
        InterruptCancels interrupts(fleet.flags);
        for (std::size_t i = 0; i < options.ports.size(); ++i)
            threads.emplace_back(WritePort, std::ref(fleet), i, std::cref(image));
        for (auto &thread : threads)
            thread.join();
    }
    return Report(fleet, options.verify ? "written and verified" : "written");
}

} // namespace dpmr::cli
