#pragma once
// A port that passes everything on to another and reports each operation with the bytes that
// went out and came in: the command-line tool's --trace, and what the tests check the bytes
// on the line against.

#include "core/link/radio_link.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace dpmr {

struct TraceEvent {
    enum class Kind { Open, Sent, Received, Purge, Sleep, Close };
    Kind kind;
    std::chrono::steady_clock::time_point at;
    std::vector<std::uint8_t> bytes; // Sent: what went out; Received: what came in
    std::size_t asked = 0;           // bytes asked for (Sent, Received) or milliseconds (Sleep)
    std::string text;                // Open: the port name and the outcome
};

class TracingPort : public LinkPort {
public:
    using Sink = std::function<void(const TraceEvent &)>;
    TracingPort(LinkPort &inner, Sink sink) : inner_(inner), sink_(std::move(sink)) {}

    bool Open(const std::string &portName, std::string &reason) override;
    std::size_t Read(std::uint8_t *data, std::size_t n) override;
    std::size_t Write(const std::uint8_t *data, std::size_t n) override;
    void Purge() override;
    void Close() override;
    void SleepMs(int ms) override;
    std::string LineFault() const override { return inner_.LineFault(); }

private:
    void Report(TraceEvent::Kind kind, std::vector<std::uint8_t> bytes = {}, std::size_t asked = 0,
                std::string text = {});

    LinkPort &inner_;
    Sink sink_;
};

// One line: seconds since `start`, a direction mark and the bytes in hex, e.g.
// "   0.016021 > 02" or "   0.166104 < 41".
std::string FormatTraceEvent(const TraceEvent &event, std::chrono::steady_clock::time_point start);

} // namespace dpmr
