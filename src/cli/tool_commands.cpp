#include "cli/tool_commands.h"

#include "cli/code_plug_summary.h"
#include "cli/tool_observer.h"
#include "core/app/code_plug_document.h"
#include "core/image/band_limits.h"
#include "core/image/code_plug_file.h"
#include "core/image/factory_defaults.h"
#include "core/link/port_names.h"
#include "core/link/radio_link.h"
#include "core/link/serial_port.h"
#include "core/link/trace_port.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace dpmr::cli {

namespace {

std::atomic<int> *g_cancel = nullptr;

// Ctrl-C asks the exchange to stop after the current block, so the radio gets its "ENDW"; a
// second Ctrl-C ends the tool at once.
void OnInterrupt(int) {
    if (g_cancel)
        g_cancel->store(1);
}

class InterruptCancels {
public:
    explicit InterruptCancels(LinkFlags &flags) {
        g_cancel = &flags.cancel;
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previous_);
    }
    ~InterruptCancels() {
        sigaction(SIGINT, &previous_, nullptr);
        g_cancel = nullptr;
    }

private:
    struct sigaction previous_ {};
};

int Fail(const std::string &where, const std::string &what) {
    std::fprintf(stderr, "dpmr-tool: %s: %s\n", where.c_str(), what.c_str());
    return kExitFailed;
}

// The file functions' messages name the file already.
int FileFailure(const FileResult &result) {
    std::fprintf(stderr, "dpmr-tool: %s\n", result.message.c_str());
    return kExitFailed;
}

std::string PortLabel(const std::string &port) {
    const std::string device = ResolvePortName(port);
    return device.empty() || device == port ? port : port + " (" + device + ")";
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

LinkRun RunLink(LinkDirection direction, const ToolOptions &options, const Image &image,
                const char *label) {
    SerialPort serial;
    const auto start = std::chrono::steady_clock::now();
    TracingPort tracing(serial, [start](const TraceEvent &event) {
        std::fprintf(stderr, "%s\n", FormatTraceEvent(event, start).c_str());
    });
    LinkPort &port = options.trace ? static_cast<LinkPort &>(tracing) : serial;
    ToolObserver observer(label, !options.trace && ::isatty(STDERR_FILENO));
    LinkFlags flags;
    LinkRun run;
    {
        InterruptCancels interrupts(flags);
        run.outcome = RunRadioLink(direction, options.port, image, port, observer, flags);
    }
    if (!run.outcome.completed) {
        run.cancelled = observer.Message().empty();
        run.failure = run.cancelled ? "cancelled; the radio got \"ENDW\""
                                    : observer.Message() + ": " + observer.Detail();
    }
    return run;
}

int LinkFailure(const ToolOptions &options, const LinkRun &run, const std::string &consequence) {
    Fail(PortLabel(options.port), run.failure + consequence);
    return run.cancelled ? kExitCancelled : kExitFailed;
}

BandLimits LimitsOfBand(const std::string &band) {
    const auto range = BandVariantFromName(band);
    if (!range)
        return BandLimits{}; // the program's start-up limits, 400-470 MHz
    return {range->lower * kUnitsPerMHz, range->upper * kUnitsPerMHz};
}

} // namespace

int RunReadCommand(const ToolOptions &options) {
    std::string reason;
    if (!CanCreateBeside(options.file, reason))
        return Fail(options.file, reason);
    // Bytes 0x0000-0x00FF never come from the radio: keep those of the file read into, or
    // take a new code plug's.
    // A file that exists but is no code plug is refused rather than replaced.
    Image base;
    struct stat info {};
    if (::stat(options.file.c_str(), &info) != 0 && errno == ENOENT) {
        WriteFactoryDefaults(base, BandLimits{});
    } else if (const FileResult loaded = LoadCodePlugFile(options.file, base); !loaded) {
        return FileFailure(loaded);
    }
    const LinkRun run = RunLink(LinkDirection::Read, options, base, "Read data");
    if (!run.outcome.completed)
        return LinkFailure(options, run, "; " + options.file + " not written");
    if (const FileResult saved = SaveCodePlugFile(options.file, run.outcome.image); !saved)
        return FileFailure(saved);
    return 0;
}

int RunWriteCommand(const ToolOptions &options) {
    Image image;
    if (const FileResult loaded = LoadCodePlugFile(options.file, image); !loaded)
        return FileFailure(loaded);
    const LinkRun written = RunLink(LinkDirection::Write, options, image, "Write data");
    if (!written.outcome.completed)
        return LinkFailure(options, written, "");
    if (!options.verify)
        return 0;

    const LinkRun check = RunLink(LinkDirection::Read, options, image, "Verify");
    if (!check.outcome.completed)
        return LinkFailure(options, check, " (while verifying)");
    // A radio without band limits gets those of its identification on every read.
    Image expected = image;
    FillMissingBandLimits(expected, check.outcome.identifiedLow, check.outcome.identifiedHigh);
    for (std::size_t address = kLinkFirst; address < kLinkEnd; address += kLinkBlockSize) {
        for (std::size_t i = address; i < address + kLinkBlockSize; ++i) {
            if (check.outcome.image[i] != expected[i]) {
                char what[160];
                std::snprintf(what, sizeof what,
                              "verify failed: block %zu (0x%04zX) differs from %s, first at "
                              "0x%04zX",
                              (address - kLinkFirst) / kLinkBlockSize + 1, address,
                              options.file.c_str(), i);
                return Fail(PortLabel(options.port), what);
            }
        }
    }
    return 0;
}

int RunNewCommand(const ToolOptions &options) {
    // What the program does on New then Save, with the band selector set to the band first.
    auto document = std::make_unique<CodePlugDocument>();
    document->limits = LimitsOfBand(options.band);
    document->New();
    if (const FileResult saved = document->Save(options.file); !saved)
        return FileFailure(saved);
    return 0;
}

int RunInfoCommand(const ToolOptions &options) {
    Image image;
    if (const FileResult loaded = LoadCodePlugFile(options.file, image); !loaded)
        return FileFailure(loaded);
    std::fputs(FormatSummary(options.file, Summarize(image)).c_str(), stdout);
    return 0;
}

int RunPortsCommand() {
    const auto devices = ListSerialDevices();
    if (devices.empty())
        std::fprintf(stderr, "no serial devices: plug the cable in and check ls /dev/ttyUSB*\n");
    for (const auto &device : devices)
        std::printf("COM%-3d %s\n", device.number, device.path.c_str());
    return 0;
}

} // namespace dpmr::cli
