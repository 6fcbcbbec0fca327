#pragma once
// The progress lines of read and write on a terminal: one line per port with the phase,
// blocks, percent, time elapsed and time left, redrawn in place. Disabled, it draws nothing.

#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace dpmr::cli {

class ProgressBoard {
public:
    ProgressBoard(std::FILE *out, bool enabled, std::vector<std::string> labels, int totalBlocks);

    // Thread safe; each port's thread reports on its own slot.
    void StartPhase(std::size_t slot, const std::string &phase);
    void Step(std::size_t slot, int blocks);
    void EndPhase(std::size_t slot, const std::string &state);
    // The last drawing; what is printed after it goes below the lines.
    void Finish();

    // "write   312/504 blocks  61%  0:12 elapsed  0:07 left", for a test.
    static std::string FormatLine(const std::string &phase, int blocks, int total,
                                  std::chrono::milliseconds elapsed);

private:
    struct Slot {
        std::string label;
        std::string phase = "waiting";
        int blocks = 0;
        bool running = false;
        std::chrono::steady_clock::time_point started;
        std::chrono::milliseconds elapsed{0};
    };
    void Draw(bool force);

    std::FILE *out_;
    bool enabled_;
    int total_;
    std::size_t labelWidth_ = 0;
    std::vector<Slot> slots_;
    std::mutex mutex_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point lastDraw_{};
};

} // namespace dpmr::cli
