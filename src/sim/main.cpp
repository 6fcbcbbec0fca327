// dpmr-radio-sim: a virtual radio on a pseudo-terminal, for trying the program without a radio
// and for testing the link against every fault a real line has.

#include "core/app/licence_notice.h"
#include "core/image/code_plug_file.h"
#include "core/image/factory_defaults.h"
#include "sim/pseudo_terminal.h"
#include "sim/radio_line.h"
#include "sim/sim_options.h"
#include "sim/virtual_radio.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnStopSignal(int) {
    g_stop = 1;
}

// Blocks the stopping signals except while waiting for input, so that none is lost between a
// check of the flag and the wait. Returns the mask to wait with.
sigset_t CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigset_t stopping;
    sigemptyset(&stopping);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
        sigaddset(&stopping, signal);
    }
    std::signal(SIGPIPE, SIG_IGN);
    sigset_t waitMask;
    sigprocmask(SIG_BLOCK, &stopping, &waitMask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigdelset(&waitMask, signal);
    return waitMask;
}

bool MakeLink(const std::string &link, const std::string &target, std::string &error) {
    struct stat info {};
    if (::lstat(link.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            error = "cannot make the link " + link + ": a file of that name is there";
            return false;
        }
        ::unlink(link.c_str()); // a link left by an earlier run
    }
    if (::symlink(target.c_str(), link.c_str()) != 0) {
        error = "cannot make the link " + link + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

void RemoveLink(const std::string &link, const std::string &target) {
    char points[256];
    const ssize_t n = ::readlink(link.c_str(), points, sizeof points - 1);
    if (n > 0 && std::string(points, static_cast<std::size_t>(n)) == target)
        ::unlink(link.c_str());
}

} // namespace

int main(int argc, char **argv) {
    using namespace dpmr;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (const auto &arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::cout << sim::kSimUsage;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "dpmr-radio-sim " DPMR_VERSION "\n" << kLicenceNotice;
            return 0;
        }
    }
    sim::SimOptions options;
    std::string error;
    if (!sim::ParseSimOptions(args, options, error)) {
        std::cerr << "dpmr-radio-sim: " << error << "\n" << sim::kSimUsage;
        return 2;
    }

    Image memory;
    if (!options.loadPath.empty()) {
        if (const FileResult loaded = LoadCodePlugFile(options.loadPath, memory); !loaded) {
            std::cerr << "dpmr-radio-sim: " << loaded.message << "\n";
            return 1;
        }
    } else {
        WriteFactoryDefaults(memory,
                             {options.lowMHz * kUnitsPerMHz, options.highMHz * kUnitsPerMHz});
    }

    IgnoreFileSizeSignal();
    const sigset_t waitMask = CatchStopSignals();
    sim::PseudoTerminal terminal;
    if (!terminal.Create(error)) {
        std::cerr << "dpmr-radio-sim: " << error << "\n";
        return 1;
    }
    if (!options.linkPath.empty() && !MakeLink(options.linkPath, terminal.SlavePath(), error)) {
        std::cerr << "dpmr-radio-sim: " << error << "\n";
        return 1;
    }
    // The one line scripts wait for.
    std::printf("%s\n", terminal.SlavePath().c_str());
    std::fflush(stdout);
    const auto log = [&options](const std::string &text) {
        if (!options.quiet)
            std::cerr << "dpmr-radio-sim: " << text << std::endl;
    };
    log(options.band + " MHz radio on " + terminal.SlavePath() +
        (options.paced ? ", 9600 baud pacing" : ""));

    // Pacing wants its sleeps to end on time rather than up to 50 us late.
    if (options.paced)
        ::prctl(PR_SET_TIMERSLACK, 1UL);
    sim::RadioLine line(terminal.Master(), options.paced, &g_stop, waitMask);
    sim::VirtualRadio radio(
        options, memory, line,
        {[&terminal] { terminal.HangUp(); }, [&terminal] { terminal.ClearExclusive(); }}, log);
    radio.Serve();

    if (!options.linkPath.empty())
        RemoveLink(options.linkPath, terminal.SlavePath());
    return 0;
}
