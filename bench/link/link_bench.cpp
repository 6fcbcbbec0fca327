// Times full exchanges against the virtual radio: unpaced (the software's own cost) and paced at
// 9600 baud (against the time the bytes need on the wire).
//
//   link_bench [--runs N] [--no-paced]

#include "core/image/factory_defaults.h"
#include "core/link/link_protocol.h"
#include "core/link/radio_link.h"
#include "core/link/serial_port.h"
#include "sim/sim_launcher.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace dpmr;

// Notes when the blocks start, to split the start-up from the blocks.
class TimingObserver : public LinkObserver {
public:
    void DisableStart() override { opened = Clock::now(); }
    int StepProgress() override {
        const auto now = Clock::now();
        if (++position == 1)
            firstBlock = now;
        else
            gaps.push_back(std::chrono::duration<double>(now - last).count());
        last = now;
        return position;
    }
    void SetPercentText(const std::string &) override {}
    void ShowMessage(const std::string &text, const std::string &detail) override {
        std::fprintf(stderr, "link_bench: %s: %s\n", text.c_str(), detail.c_str());
    }
    void RequestClose() override {}

    int position = 0;
    Clock::time_point opened, firstBlock, last;
    std::vector<double> gaps; // seconds between acknowledged blocks
};

struct Timing {
    double total = 0;   // seconds, open to close
    double startup = 0; // open until the first block is acknowledged
    double blockMedian = 0, blockMax = 0;
};

bool RunOnce(LinkDirection direction, const std::string &path, const Image &image, Timing &timing) {
    SerialPort port;
    TimingObserver observer;
    LinkFlags flags;
    const auto start = Clock::now();
    const LinkOutcome outcome = RunRadioLink(direction, path, image, port, observer, flags);
    const auto end = Clock::now();
    timing.total = std::chrono::duration<double>(end - start).count();
    timing.startup = std::chrono::duration<double>(observer.firstBlock - start).count();
    std::sort(observer.gaps.begin(), observer.gaps.end());
    if (!observer.gaps.empty()) {
        timing.blockMedian = observer.gaps[observer.gaps.size() / 2];
        timing.blockMax = observer.gaps.back();
    }
    return outcome.completed;
}

double WireSeconds(bool read) {
    return static_cast<double>(ExchangeWireBytes(read)) * kBitsPerByte / kLineBaud;
}

bool StartSim(sim::SimProcess &sim, std::vector<std::string> args) {
    args.push_back("--quiet");
    std::string error;
    if (!sim.Start(DPMR_SIM_PATH, args, error)) {
        std::fprintf(stderr, "link_bench: %s\n", error.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    int runs = 20;
    bool paced = true;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--runs") && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--no-paced"))
            paced = false;
        else {
            std::fprintf(stderr, "usage: link_bench [--runs N] [--no-paced]\n");
            return 2;
        }
    }
    Image image;
    WriteFactoryDefaults(image, BandLimits{});

    {
        sim::SimProcess sim;
        if (!StartSim(sim, {}))
            return 1;
        std::printf("Unpaced virtual radio, %d runs each (software overhead):\n", runs);
        for (const auto direction : {LinkDirection::Read, LinkDirection::Write}) {
            std::vector<double> totals;
            for (int i = 0; i < runs; ++i) {
                Timing timing;
                if (!RunOnce(direction, sim.Path(), image, timing))
                    return 1;
                totals.push_back(timing.total);
            }
            std::sort(totals.begin(), totals.end());
            const double median = totals[totals.size() / 2];
            std::printf("  %-5s median %7.1f ms, min %7.1f ms, max %7.1f ms (%.1f us a block)\n",
                        direction == LinkDirection::Read ? "read" : "write", median * 1e3,
                        totals.front() * 1e3, totals.back() * 1e3, median * 1e6 / kLinkBlockCount);
        }
    }
    if (!paced)
        return 0;

    sim::SimProcess sim;
    if (!StartSim(sim, {"--pace"}))
        return 1;
    std::printf("Virtual radio paced at 9600 baud 8N1 (wire-time bound: 10 bits a byte):\n");
    for (const auto direction : {LinkDirection::Read, LinkDirection::Write}) {
        const bool read = direction == LinkDirection::Read;
        Timing timing;
        if (!RunOnce(direction, sim.Path(), image, timing))
            return 1;
        const double bound = WireSeconds(read);
        const double blockBound =
            static_cast<double>(read ? kReadBlockWireBytes : kWriteBlockWireBytes) * kBitsPerByte /
            kLineBaud;
        std::printf("  %-5s %7.3f s for %zu bytes, bound %7.3f s, ratio %.4f\n"
                    "        start-up to first block %.1f ms; a block: median %.3f ms, max "
                    "%.3f ms, bound %.3f ms\n",
                    read ? "read" : "write", timing.total, ExchangeWireBytes(read), bound,
                    timing.total / bound, timing.startup * 1e3, timing.blockMedian * 1e3,
                    timing.blockMax * 1e3, blockBound * 1e3);
    }
    return 0;
}
