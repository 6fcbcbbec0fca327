#pragma once
// What the link's end-to-end tests share: the virtual radio in a child process, a real serial
// port on its pseudo-terminal with a trace of every byte, an observer that records what the
// progress dialog would see, temporary folders and code plug files.

#include "core/image/image.h"
#include "core/link/radio_link.h"
#include "core/link/serial_port.h"
#include "core/link/trace_port.h"
#include "sim/sim_launcher.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dpmr::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    std::string File(const std::string &name) const { return path_ + "/" + name; }
    const std::string &Path() const { return path_; }
    std::vector<std::string> Names() const; // what the folder holds

private:
    std::string path_;
};

// 0x0000-0x3FFF random but for 0x3FA3, which holds band limits unless told otherwise.
Image RandomImage(unsigned seed);
void SaveImage(const std::string &path, const Image &image);
Image LoadImage(const std::string &path);
std::vector<std::uint8_t> ReadFileBytes(const std::string &path);
// Waits for a file the virtual radio writes after its trailer.
bool WaitForFile(const std::string &path, std::size_t size, int ms = 10000);

struct ShownMessage {
    std::string text;
    std::string detail;
    std::size_t traceEvents; // trace events recorded before it was shown
    int busy;                // LinkBusy at that moment
};

class RecordingObserver : public LinkObserver {
public:
    RecordingObserver(LinkFlags &flags, const std::vector<TraceEvent> &trace)
        : flags_(flags), trace_(trace) {}

    void DisableStart() override;
    int StepProgress() override;
    void SetPercentText(const std::string &text) override { percents.push_back(text); }
    void ShowMessage(const std::string &text, const std::string &detail) override {
        messages.push_back({text, detail, trace_.size(), flags_.busy.load()});
    }
    void RequestClose() override {
        ++closeRequests;
        busyAtClose = flags_.busy.load();
    }

    // Forgets what the last exchange did; keeps when to press Cancel.
    void Reset();

    int cancelAtPosition = 0;   // press Cancel when the progress reaches this
    bool cancelAtStart = false; // press Cancel as soon as the port is open
    int disableStarts = 0;
    int position = 0;
    std::vector<std::string> percents;
    std::vector<ShownMessage> messages;
    int closeRequests = 0;
    int busyAtClose = -1;

private:
    LinkFlags &flags_;
    const std::vector<TraceEvent> &trace_;
};

// The virtual radio and one exchange at a time against it.
class LinkRig {
public:
    // false (with the reason in `error`) when the radio does not start.
    bool Start(const std::vector<std::string> &simArgs, std::string &error);
    LinkOutcome Run(LinkDirection direction, const Image &image);
    LinkOutcome RunOn(const std::string &portName, LinkDirection direction, const Image &image);

    std::vector<std::uint8_t> Sent() const; // every byte written, in order
    std::vector<TraceEvent> SentEvents() const;
    // Index in `trace` of the last write that sent exactly these bytes; -1 when none.
    long LastSendOf(const std::vector<std::uint8_t> &bytes) const;

    sim::SimProcess radio;
    std::vector<TraceEvent> trace;
    LinkFlags flags;
    RecordingObserver observer{flags, trace};
    double seconds = 0; // how long the last exchange took
};

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values);
template <std::size_t N> std::vector<std::uint8_t> Bytes(const std::array<std::uint8_t, N> &a) {
    return {a.begin(), a.end()};
}
bool SameRange(const Image &a, const Image &b, std::size_t from, std::size_t to);
// A test name made of a text: every character but letters and digits becomes "_".
std::string NameOf(const std::string &text);

// Runs dpmr-tool to the end.
struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};
ToolRun RunTool(const std::vector<std::string> &args);

// dpmr-tool running in the background, for tests that act while it works.
class ToolProcess {
public:
    ~ToolProcess();
    bool Start(const std::vector<std::string> &args);
    // Reads its stderr until `text` shows up; false when it does not within `ms`.
    bool WaitForErr(const std::string &text, int ms);
    void Signal(int signal);
    ToolRun Finish();

private:
    int pid_ = -1;
    int out_ = -1;
    int err_ = -1;
    ToolRun run_;
};

} // namespace dpmr::test
