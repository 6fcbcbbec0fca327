#include "sim/radio_line.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace dpmr::sim {

namespace {

// A paced line is only as exact as its sleeps: the kernel wakes a sleeper up to some tens of
// microseconds late, and 504 blocks of four turnarounds add that up. Sleep to just short of the
// time, then spin.
void SleepUntilExactly(RadioLine::Clock::time_point until) {
    constexpr auto kSpin = std::chrono::microseconds(60);
    if (until - RadioLine::Clock::now() > kSpin)
        std::this_thread::sleep_until(until - kSpin);
    while (RadioLine::Clock::now() < until) {
    }
}

timespec ToTimespec(RadioLine::Clock::duration d) {
    const auto ns =
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::max(d, d.zero())).count();
    return {static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
}

} // namespace

bool RadioLine::Fill(Clock::time_point deadline, bool forever) {
    while (pending_.empty()) {
        if (*stop_)
            return false;
        pollfd waiter{fd_, POLLIN, 0};
        const timespec wait = ToTimespec(deadline - Clock::now());
        const int ready = ::ppoll(&waiter, 1, forever ? nullptr : &wait, &waitMask_);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (ready == 0)
            return false;
        std::uint8_t chunk[512];
        const ssize_t count = ::read(fd_, chunk, sizeof chunk);
        if (count <= 0) {
            // Nobody on the other side (cannot happen while we hold it, but never spin).
            if (count < 0 && errno != EAGAIN && errno != EINTR)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        const auto now = Clock::now();
        for (ssize_t i = 0; i < count; ++i) {
            // A byte is there only when its stop bit is: each one takes a byte time after
            // the line is free.
            rxFree_ = paced_ ? std::max(now, rxFree_) + kByteTime : now;
            pending_.push_back({chunk[i], rxFree_});
        }
    }
    return true;
}

RadioLine::Got RadioLine::Next(std::uint8_t &byte, int timeoutMs) {
    const bool forever = timeoutMs < 0;
    if (!Fill(Clock::now() + std::chrono::milliseconds(forever ? 0 : timeoutMs), forever))
        return *stop_ ? Got::Stopped : Got::Timeout;
    const Arrival next = pending_.front();
    pending_.pop_front();
    if (paced_)
        SleepUntilExactly(next.at);
    byte = next.byte;
    return Got::Byte;
}

void RadioLine::Send(const std::uint8_t *data, std::size_t n) {
    if (*stop_)
        return;
    // The line schedule is fixed when the reply starts: a late wake-up from one sleep must
    // not push back every byte after it.
    if (paced_)
        txFree_ = std::max(Clock::now(), txFree_);
    std::size_t sent = 0;
    while (sent < n) {
        std::size_t chunk = n - sent;
        if (paced_) {
            // The byte reaches the program once all ten bits of it have gone out.
            txFree_ += kByteTime;
            SleepUntilExactly(txFree_);
            chunk = 1;
        }
        const ssize_t count = ::write(fd_, data + sent, chunk);
        if (count > 0) {
            sent += static_cast<std::size_t>(count);
        } else if (count < 0 && errno == EAGAIN) {
            // Nobody reads what we send: give it a moment, then drop the rest.
            pollfd waiter{fd_, POLLOUT, 0};
            if (::poll(&waiter, 1, 1000) <= 0)
                return;
        } else if (!(count < 0 && errno == EINTR)) {
            return;
        }
    }
}

bool RadioLine::Pause(int ms) {
    const auto until = Clock::now() + std::chrono::milliseconds(ms);
    while (!*stop_) {
        const auto left = until - Clock::now();
        if (left <= left.zero())
            return true;
        const timespec wait = ToTimespec(left);
        ::ppoll(nullptr, 0, &wait, &waitMask_);
    }
    return false;
}

} // namespace dpmr::sim
