// The serial port over a real pseudo-terminal whose other end the test holds: time-outs,
// hang-up, purge, an 8-bit clean line, exclusive use and port names.

#include "link_test_support.h"

#include "core/link/port_names.h"
#include "core/link/serial_port.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace dpmr::test {
namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The far end of the cable.
class FarEnd {
public:
    FarEnd() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0)
            path_ = ::ptsname(master_);
    }
    ~FarEnd() { HangUp(); }
    const std::string &Path() const { return path_; }
    void Send(const std::vector<std::uint8_t> &bytes) {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Whatever arrives within `ms`, up to `n` bytes.
    std::vector<std::uint8_t> Receive(std::size_t n, int ms) {
        std::vector<std::uint8_t> got;
        const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
        while (got.size() < n) {
            const int left = static_cast<int>(
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                    .count());
            pollfd waiter{master_, POLLIN, 0};
            if (left <= 0 || ::poll(&waiter, 1, left) <= 0)
                break;
            std::uint8_t chunk[512];
            const ssize_t count = ::read(master_, chunk, std::min(sizeof chunk, n - got.size()));
            if (count <= 0)
                break;
            got.insert(got.end(), chunk, chunk + count);
        }
        return got;
    }
    void HangUp() {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    std::string path_;
};

class SerialPortOnPty : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(far.Path().empty());
        std::string reason;
        ASSERT_TRUE(port.Open(far.Path(), reason)) << reason;
    }
    FarEnd far;
    SerialPort port;
};

TEST_F(SerialPortOnPty, ReadOfNothingGivesUpAfterFiftyPerBytePlusHundredMs) {
    std::uint8_t data[4];
    const auto start = Clock::now();
    EXPECT_EQ(port.Read(data, 4), 0u);
    EXPECT_GE(MsSince(start), 300.0);
    EXPECT_LT(MsSince(start), 1000.0);
}

TEST_F(SerialPortOnPty, ReadReturnsWhatArrivedFiftyMsAfterTheLastByte) {
    far.Send({1, 2});
    std::uint8_t data[10];
    const auto start = Clock::now();
    EXPECT_EQ(port.Read(data, 10), 2u);
    EXPECT_GE(MsSince(start), 50.0);
    EXPECT_LT(MsSince(start), 450.0) << "not the 600 ms of the whole read";
}

TEST_F(SerialPortOnPty, BytesTricklingInWithinTheIntervalAreAllRead) {
    std::thread sender([this] {
        for (std::uint8_t i = 0; i < 8; ++i) {
            far.Send({i});
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    std::uint8_t data[8];
    EXPECT_EQ(port.Read(data, 8), 8u);
    sender.join();
    for (std::uint8_t i = 0; i < 8; ++i)
        EXPECT_EQ(data[i], i);
}

TEST_F(SerialPortOnPty, HangUpEndsReadsAndWritesAtOnce) {
    far.HangUp();
    std::uint8_t data[32];
    const auto start = Clock::now();
    EXPECT_EQ(port.Read(data, 32), 0u);
    EXPECT_EQ(port.Write(data, 32), 0u);
    EXPECT_EQ(port.Read(data, 32), 0u);
    EXPECT_LT(MsSince(start), 200.0) << "one read alone may wait 1700 ms";
    EXPECT_NE(port.LineFault().find("hung up"), std::string::npos) << port.LineFault();
}

TEST_F(SerialPortOnPty, PurgeDropsInputButNeverAByteWritten) {
    far.Send({7, 8, 9});
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    port.Purge();
    std::uint8_t byte = 0;
    EXPECT_EQ(port.Read(&byte, 1), 0u);

    // The wake-up pattern: write one byte, purge, and again.
    std::vector<std::uint8_t> sent;
    for (int i = 0; i < 500; ++i) {
        const auto b = static_cast<std::uint8_t>(i);
        ASSERT_EQ(port.Write(&b, 1), 1u);
        port.Purge();
        sent.push_back(b);
    }
    EXPECT_EQ(far.Receive(500, 2000), sent);
}

TEST_F(SerialPortOnPty, EveryByteValuePassesUnchangedBothWays) {
    std::vector<std::uint8_t> all(256);
    for (int i = 0; i < 256; ++i)
        all[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    far.Send(all);
    std::vector<std::uint8_t> got(256);
    EXPECT_EQ(port.Read(got.data(), got.size()), 256u);
    EXPECT_EQ(got, all) << "no CR translation, flow control or signal characters";

    ASSERT_EQ(port.Write(all.data(), all.size()), 256u);
    EXPECT_EQ(far.Receive(256, 2000), all);
}

TEST_F(SerialPortOnPty, SecondOpenIsRefusedUntilTheFirstCloses) {
    SerialPort second;
    std::string reason;
    EXPECT_FALSE(second.Open(far.Path(), reason));
    EXPECT_NE(reason.find("in use by another program"), std::string::npos) << reason;
    EXPECT_FALSE(CanOpenPort(far.Path()));
    port.Close();
    EXPECT_TRUE(CanOpenPort(far.Path()));
    EXPECT_TRUE(second.Open(far.Path(), reason)) << reason;
}

TEST(SerialPortOpen, SaysWhyItCannotOpen) {
    TempDir dir;
    SerialPort port;
    std::string reason;
    EXPECT_FALSE(port.Open(dir.File("ttyUSB0"), reason));
    EXPECT_NE(reason.find("plug the cable in"), std::string::npos) << reason;
    SaveImage(dir.File("plain.dat"), Image{});
    EXPECT_FALSE(port.Open(dir.File("plain.dat"), reason));
    EXPECT_NE(reason.find("not a serial port"), std::string::npos) << reason;
    EXPECT_FALSE(port.IsOpen());
}

TEST(PortNames, FormsAndParseOfTheSettingsFile) {
    EXPECT_EQ(PortNameForNumber(1), "COM1");
    EXPECT_EQ(PortNameForNumber(9), "COM9");
    EXPECT_EQ(PortNameForNumber(10), "\\\\.\\COM10");
    EXPECT_EQ(PortNameForNumber(12), "\\\\.\\COM12");
    for (int n = 1; n <= kPortCount; ++n)
        EXPECT_EQ(PortNumberFromName(PortNameForNumber(n)), n);
    EXPECT_EQ(PortNumberFromName(""), 0);
    EXPECT_EQ(PortNumberFromName("COM"), 0);
    EXPECT_EQ(PortNumberFromName("M5"), 0) << "the scan needs a character before the M";
    EXPECT_EQ(PortNumberFromName("/dev/ttyUSB0"), 0);
}

TEST(PortNames, DevicesAreNumberedUsbThenAcmThenSerialInNumericOrder) {
    EXPECT_EQ(
        OrderSerialDeviceNames({"ttyS1", "ttyUSB10", "ttyACM0", "ttyUSB2", "ttyS0", "tty0",
                                "ttyUSB", "ttyprintk", "ttyS10", "ttyUSB1x", "console"}),
        (std::vector<std::string>{"ttyUSB2", "ttyUSB10", "ttyACM0", "ttyS0", "ttyS1", "ttyS10"}));
}

TEST(PortNames, ComNumbersResolveToTheListedDevicesAndPathsStayAsTheyAre) {
    const auto devices = ListSerialDevices();
    for (const auto &device : devices) {
        EXPECT_EQ(ResolvePortName(PortNameForNumber(device.number)), device.path);
        EXPECT_EQ(ResolvePortName("COM" + std::to_string(device.number)), device.path);
    }
    EXPECT_EQ(ResolvePortName("COM" + std::to_string(devices.size() + 1)), "");
    EXPECT_EQ(ResolvePortName("/dev/pts/99"), "/dev/pts/99");
    EXPECT_EQ(ResolvePortName("nonsense"), "");
}

} // namespace
} // namespace dpmr::test
