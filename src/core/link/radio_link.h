#pragma once
// The radio programming exchange: wake-up, identification, confirmation, 504 blocks of 32
// bytes between 0x0100 and 0x3FFF, trailer. It runs on the caller's thread (the program puts
// it on a worker thread) over a LinkPort and reports to a LinkObserver, so the program, the
// command-line tool and the tests drive the same code.

#include "core/image/image.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dpmr {

// What the exchange needs of a serial port.
class LinkPort {
public:
    virtual ~LinkPort() = default;
    // false with a reason (for the user) when the port cannot be opened.
    virtual bool Open(const std::string &portName, std::string &reason) = 0;
    // Up to n bytes; returns how many arrived before the time-outs.
    virtual std::size_t Read(std::uint8_t *data, std::size_t n) = 0;
    // Returns how many bytes went out.
    virtual std::size_t Write(const std::uint8_t *data, std::size_t n) = 0;
    // Discards pending input only: never a byte already written.
    virtual void Purge() = 0;
    virtual void Close() = 0;
    virtual void SleepMs(int ms) = 0;
    // Why the line stopped working (a cable pulled), for the message's detail; empty while it
    // works.
    virtual std::string LineFault() const { return {}; }
};

// Whoever watches the exchange (the progress dialog, the tool's progress line, a test).
// Called from the thread that runs the exchange.
class LinkObserver {
public:
    virtual ~LinkObserver() = default;
    virtual void DisableStart() = 0;
    // Step the progress by one; returns the new position.
    virtual int StepProgress() = 0;
    virtual void SetPercentText(const std::string &text) = 0; // "%d%%"
    // "Cound not open the port" or "Communication error"; detail may say why and what to do.
    virtual void ShowMessage(const std::string &text, const std::string &detail) = 0;
    virtual void RequestClose() = 0;
};

enum class LinkDirection { Read, Write };

// Process-wide: busy while an exchange starts or runs, cancel set by the dialog's Cancel.
struct LinkFlags {
    std::atomic<int> busy{0};
    std::atomic<int> cancel{0};
};

inline constexpr const char *kMessageOpenFailed = "Cound not open the port";
inline constexpr const char *kMessageCommunicationError = "Communication error";
// The detail of "Communication error" when what answers is our own bytes coming back (a
// loopback plug, a half-duplex cable with the radio off) or a line that only streams "A".
inline constexpr const char *kNoRadioAnswered =
    "no radio answered (the line echoes what is sent: check the cable and that the radio is on)";

// A read block whose data reply stopped short: its missing bytes were never received.
struct ShortReply {
    int block = 0;            // 1 to 504
    std::size_t received = 0; // data bytes that arrived, 0 to 31
};

struct LinkOutcome {
    bool completed = false; // the result flag: all 504 blocks and the trailer went through
    Image image; // Read: the base image with 0x0100-0x3FFF replaced (only when completed)
    // The radio's band edges from its identification reply, 10 Hz units; 0 before it.
    std::int64_t identifiedLow = 0;
    std::int64_t identifiedHigh = 0;
    // Read: the blocks whose reply came short. The exchange goes on (the acknowledgement
    // decides), but a verify must not take bytes it never got for bytes that match.
    std::vector<ShortReply> shortReplies;
};

// A radio that holds no band limits (0x3FA3 is 0xFF) gets those of its identification.
void FillMissingBandLimits(Image &image, std::int64_t identifiedLow, std::int64_t identifiedHigh);

// Write sends `image` (a snapshot); Read starts from `image` as the base whose bytes
// 0x0000-0x00FF are kept, and returns the new image only when the whole exchange completed.
LinkOutcome RunRadioLink(LinkDirection direction, const std::string &portName, const Image &image,
                         LinkPort &port, LinkObserver &observer, LinkFlags &flags);

} // namespace dpmr
