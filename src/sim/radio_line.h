#pragma once
// The serial line as the virtual radio sees it: bytes from the program with the time they
// would have taken on the wire, and bytes sent back, paced at 9600 baud 8N1 when asked.

#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <deque>

namespace dpmr::sim {

class RadioLine {
public:
    using Clock = std::chrono::steady_clock;

    // `stop` is set by a signal handler; `waitMask` is the signal mask to wait with (the
    // stopping signals are blocked at all other times).
    RadioLine(int fd, bool paced, const volatile std::sig_atomic_t *stop, const sigset_t &waitMask)
        : fd_(fd), paced_(paced), stop_(stop), waitMask_(waitMask) {}

    enum class Got { Byte, Timeout, Stopped };
    // The next byte from the program, once it has fully arrived; Timeout when none arrives
    // within timeoutMs (negative: wait for ever).
    Got Next(std::uint8_t &byte, int timeoutMs);
    void Send(const std::uint8_t *data, std::size_t n);
    // false when a stop signal cut it short.
    bool Pause(int ms);

private:
    struct Arrival {
        std::uint8_t byte;
        Clock::time_point at;
    };
    bool Fill(Clock::time_point deadline, bool forever);

    int fd_;
    bool paced_;
    const volatile std::sig_atomic_t *stop_;
    sigset_t waitMask_;
    std::deque<Arrival> pending_;
    Clock::time_point rxFree_{};
    Clock::time_point txFree_{};
};

// 10 bits at 9600 baud.
inline constexpr std::chrono::nanoseconds kByteTime{1000000000LL * 10 / 9600};

} // namespace dpmr::sim
