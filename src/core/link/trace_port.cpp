#include "core/link/trace_port.h"

#include <cstdio>

namespace dpmr {

void TracingPort::Report(TraceEvent::Kind kind, std::vector<std::uint8_t> bytes, std::size_t asked,
                         std::string text) {
    sink_(TraceEvent{kind, std::chrono::steady_clock::now(), std::move(bytes), asked,
                     std::move(text)});
}

bool TracingPort::Open(const std::string &portName, std::string &reason) {
    const bool opened = inner_.Open(portName, reason);
    Report(TraceEvent::Kind::Open, {}, 0, portName + (opened ? " opened" : " failed: " + reason));
    return opened;
}

std::size_t TracingPort::Read(std::uint8_t *data, std::size_t n) {
    const std::size_t got = inner_.Read(data, n);
    Report(TraceEvent::Kind::Received, {data, data + got}, n);
    return got;
}

std::size_t TracingPort::Write(const std::uint8_t *data, std::size_t n) {
    const std::size_t sent = inner_.Write(data, n);
    Report(TraceEvent::Kind::Sent, {data, data + sent}, n);
    return sent;
}

void TracingPort::Purge() {
    inner_.Purge();
    Report(TraceEvent::Kind::Purge);
}

void TracingPort::Close() {
    inner_.Close();
    Report(TraceEvent::Kind::Close);
}

void TracingPort::SleepMs(int ms) {
    inner_.SleepMs(ms);
    Report(TraceEvent::Kind::Sleep, {}, static_cast<std::size_t>(ms));
}

std::string FormatTraceEvent(const TraceEvent &event, std::chrono::steady_clock::time_point start) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%11.6f ",
                  std::chrono::duration<double>(event.at - start).count());
    std::string line = stamp;
    const auto hex = [&line](const std::vector<std::uint8_t> &bytes) {
        for (const std::uint8_t byte : bytes) {
            char pair[4];
            std::snprintf(pair, sizeof pair, " %02X", byte);
            line += pair;
        }
    };
    switch (event.kind) {
    case TraceEvent::Kind::Open:
        line += "open " + event.text;
        break;
    case TraceEvent::Kind::Sent:
        line += ">";
        hex(event.bytes);
        if (event.bytes.size() < event.asked)
            line += "  (" + std::to_string(event.asked - event.bytes.size()) + " not sent)";
        break;
    case TraceEvent::Kind::Received:
        line += "<";
        hex(event.bytes);
        if (event.bytes.size() < event.asked)
            line += "  (" + std::to_string(event.bytes.size()) + " of " +
                    std::to_string(event.asked) + ")";
        break;
    case TraceEvent::Kind::Purge:
        line += "purge";
        break;
    case TraceEvent::Kind::Sleep:
        line += "sleep " + std::to_string(event.asked) + " ms";
        break;
    case TraceEvent::Kind::Close:
        line += "close";
        break;
    }
    return line;
}

} // namespace dpmr
