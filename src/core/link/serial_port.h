#pragma once
// A serial port over termios, opened exclusively at 9600 baud 8N1 raw, with the time-outs the
// radio protocol counts on: a read of n bytes gives up after 50 * n + 100 ms, or 50 ms after
// the last byte that arrived; a write gives up after 50 * n + 50 ms. A pulled cable (hang-up,
// I/O error) ends every operation at once.

#include "core/link/radio_link.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace dpmr {

struct SerialTimeouts {
    int readPerByteMs = 50;
    int readConstantMs = 100;
    int readIntervalMs = 50;
    int writePerByteMs = 50;
    int writeConstantMs = 50;
};

class SerialPort : public LinkPort {
public:
    SerialPort() = default;
    ~SerialPort() override;
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    // portName is "COM3", "\\.\COM12" or a device path; see port_names.h.
    bool Open(const std::string &portName, std::string &reason) override;
    std::size_t Read(std::uint8_t *data, std::size_t n) override;
    std::size_t Write(const std::uint8_t *data, std::size_t n) override;
    void Purge() override;
    void Close() override;
    void SleepMs(int ms) override;
    std::string LineFault() const override { return lineFault_; }

    bool IsOpen() const { return fd_ >= 0; }
    const std::string &DevicePath() const { return device_; }

private:
    void Fail(const char *what, int error);

    int fd_ = -1;
    std::string device_;
    std::string lineFault_; // set once the line has gone away
    SerialTimeouts timeouts_;
};

// Opens the device read-write, without becoming its controlling terminal, and takes it
// exclusively. Returns the descriptor, or -1 with a reason for the user. Shared by the port
// and the Port dialog's probe.
int OpenSerialDeviceExclusively(const std::string &device, std::string &reason);

} // namespace dpmr
