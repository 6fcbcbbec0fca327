#include "core/link/serial_port.h"

#include "core/link/port_names.h"
#include "core/text/message_text.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace dpmr {

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::milliseconds;

std::string DeviceGroup(const std::string &device) {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0)
        return "dialout";
    std::vector<char> buffer(4096);
    struct group entry {};
    struct group *found = nullptr;
    if (::getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return "gid " + std::to_string(info.st_gid);
    return found->gr_name;
}

// A device path the user typed, as messages show it.
std::string Shown(const std::string &device) {
    return EscapedText(device, kEchoedPathLength);
}

std::string OpenFailureReason(const std::string &device, int error) {
    const std::string name = Shown(device);
    switch (error) {
    case EACCES:
    case EPERM: {
        const std::string group = DeviceGroup(device);
        return "permission denied on " + name + " (group " + group +
               "): add yourself with sudo usermod -aG " + group + " $USER and log in again";
    }
    case EBUSY:
    case EWOULDBLOCK:
        return name + " is in use by another program (ModemManager and brltty are common "
                      "ones)";
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return name + " is not there: plug the cable in and check ls /dev/ttyUSB*";
    default:
        return name + ": " + std::strerror(error);
    }
}

// Milliseconds left until `until`, rounded up so that poll never wakes just before it.
timespec Remaining(Clock::time_point until) {
    const auto left = std::max(until - Clock::now(), Clock::duration::zero());
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    return {static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
}

} // namespace

int OpenSerialDeviceExclusively(const std::string &device, std::string &reason) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = OpenFailureReason(device, errno);
        return -1;
    }
    // The advisory lock keeps out every program that asks first (and a second dpmr-cps);
    // TIOCEXCL, set by the port itself, keeps out the rest.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        reason = OpenFailureReason(device, errno);
        ::close(fd);
        return -1;
    }
    termios line{};
    if (::tcgetattr(fd, &line) != 0) {
        reason = Shown(device) + " is not a serial port";
        ::close(fd);
        return -1;
    }
    return fd;
}

SerialPort::~SerialPort() {
    Close();
}

bool SerialPort::Open(const std::string &portName, std::string &reason) {
    Close();
    lineFault_.clear();
    const std::string device = ResolvePortName(portName);
    if (portName.empty()) {
        reason = "no port is chosen yet: pick one in Setting > Port";
        return false;
    }
    if (device.empty()) {
        reason = "no serial device is present for " + Shown(portName) +
                 ": plug the cable in and check ls /dev/ttyUSB*";
        return false;
    }
    const int fd = OpenSerialDeviceExclusively(device, reason);
    if (fd < 0)
        return false;
    ::ioctl(fd, TIOCEXCL);

    termios line{};
    ::tcgetattr(fd, &line);
    ::cfmakeraw(&line);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    line.c_cflag |= CS8 | CLOCAL | CREAD;
    line.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    ::cfsetispeed(&line, B9600);
    ::cfsetospeed(&line, B9600);
    if (::tcsetattr(fd, TCSANOW, &line) != 0) {
        reason = Shown(device) + ": cannot set 9600 baud 8N1: " + std::strerror(errno);
        ::ioctl(fd, TIOCNXCL);
        ::close(fd);
        return false;
    }
    // An FTDI adapter otherwise holds each received byte up to 16 ms. Pseudo-terminals and
    // some drivers refuse; the exchange is only slower then.
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) == 0) {
        serial.flags |= ASYNC_LOW_LATENCY;
        ::ioctl(fd, TIOCSSERIAL, &serial);
    }
    fd_ = fd;
    device_ = device;
    return true;
}

void SerialPort::Fail(const char *what, int error) {
    if (!lineFault_.empty())
        return;
    lineFault_ = error == 0 ? device_ + " hung up during " + what + " (cable pulled?)"
                            : device_ + ": " + what + " failed: " + std::strerror(error);
}

std::size_t SerialPort::Read(std::uint8_t *data, std::size_t n) {
    if (fd_ < 0 || !lineFault_.empty() || n == 0)
        return 0;
    const auto deadline = Clock::now() + Ms(timeouts_.readPerByteMs * static_cast<long>(n) +
                                            timeouts_.readConstantMs);
    std::size_t got = 0;
    auto until = deadline;
    while (got < n && Clock::now() < until) {
        pollfd waiter{fd_, POLLIN, 0};
        const timespec wait = Remaining(until);
        const int ready = ::ppoll(&waiter, 1, &wait, nullptr);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            Fail("a read", errno);
            break;
        }
        if (ready == 0)
            break; // the total or the interval time-out
        if (waiter.revents & POLLIN) {
            const ssize_t count = ::read(fd_, data + got, n - got);
            if (count > 0) {
                got += static_cast<std::size_t>(count);
                until = std::min(deadline, Clock::now() + Ms(timeouts_.readIntervalMs));
                continue;
            }
            if (count < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            // 0 bytes from a ready tty, or EIO: the other end has gone.
            Fail("a read", count < 0 && errno != EIO ? errno : 0);
            break;
        }
        if (waiter.revents & (POLLHUP | POLLERR | POLLNVAL)) {
            Fail("a read", 0);
            break;
        }
    }
    return got;
}

std::size_t SerialPort::Write(const std::uint8_t *data, std::size_t n) {
    if (fd_ < 0 || !lineFault_.empty())
        return 0;
    const auto deadline = Clock::now() + Ms(timeouts_.writePerByteMs * static_cast<long>(n) +
                                            timeouts_.writeConstantMs);
    std::size_t sent = 0;
    while (sent < n && Clock::now() < deadline) {
        const ssize_t count = ::write(fd_, data + sent, n - sent);
        if (count > 0) {
            sent += static_cast<std::size_t>(count);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno != EAGAIN) {
            Fail("a write", errno == EIO ? 0 : errno);
            break;
        }
        // The output queue is full: wait for room until the deadline.
        pollfd waiter{fd_, POLLOUT, 0};
        const timespec wait = Remaining(deadline);
        const int ready = ::ppoll(&waiter, 1, &wait, nullptr);
        if (ready == 0)
            break;
        if (ready < 0 && errno != EINTR) {
            Fail("a write", errno);
            break;
        }
        if (ready > 0 && !(waiter.revents & POLLOUT) &&
            (waiter.revents & (POLLHUP | POLLERR | POLLNVAL))) {
            Fail("a write", 0);
            break;
        }
    }
    return sent;
}

void SerialPort::Purge() {
    // Input only: flushing the output queue would drop bytes write() has already taken.
    if (fd_ >= 0)
        ::tcflush(fd_, TCIFLUSH);
}

void SerialPort::Close() {
    if (fd_ < 0)
        return;
    // A pseudo-terminal that someone else keeps open would otherwise stay exclusive.
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_); // also drops the lock
    fd_ = -1;
}

void SerialPort::SleepMs(int ms) {
    std::this_thread::sleep_for(Ms(ms));
}

} // namespace dpmr
