#include "core/link/port_names.h"

#include "core/link/serial_port.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace dpmr {

namespace {

constexpr std::array<std::string_view, 3> kDeviceGroups = {"ttyUSB", "ttyACM", "ttyS"};

// Group index and number of "ttyUSB12"; false for any other name.
bool ParseDeviceName(const std::string &name, std::size_t &group, long &number) {
    for (std::size_t g = 0; g < kDeviceGroups.size(); ++g) {
        const std::string_view prefix = kDeviceGroups[g];
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string digits = name.substr(prefix.size());
        if (digits.size() > 6 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        group = g;
        number = std::stol(digits);
        return true;
    }
    return false;
}

// /dev/ttyS0 to ttyS31 exist on most machines whether or not a UART is behind them; the
// serial core reports type 0 (unknown) for the empty ones.
bool HasUart(const std::string &name) {
    std::ifstream type("/sys/class/tty/" + name + "/type");
    int value = -1;
    if (!(type >> value))
        return true; // no such information: trust the device node
    return value != 0;
}

} // namespace

std::string PortNameForNumber(int n) {
    char text[32];
    std::snprintf(text, sizeof text, n <= 9 ? "COM%d" : "\\\\.\\COM%d", n);
    return text;
}

int PortNumberFromName(const std::string &name) {
    int n = 0;
    return std::sscanf(name.c_str(), "%*[^M]M%d", &n) == 1 ? n : 0;
}

std::vector<std::string> OrderSerialDeviceNames(std::vector<std::string> names) {
    struct Key {
        std::size_t group;
        long number;
        std::string name;
    };
    std::vector<Key> keys;
    for (auto &name : names) {
        Key key{0, 0, std::move(name)};
        if (ParseDeviceName(key.name, key.group, key.number))
            keys.push_back(std::move(key));
    }
    std::sort(keys.begin(), keys.end(), [](const Key &a, const Key &b) {
        return a.group != b.group ? a.group < b.group : a.number < b.number;
    });
    std::vector<std::string> ordered;
    for (auto &key : keys)
        ordered.push_back(std::move(key.name));
    return ordered;
}

std::vector<SerialDevice> ListSerialDevices() {
    std::vector<std::string> names;
    if (DIR *dev = ::opendir("/dev")) {
        while (const dirent *entry = ::readdir(dev))
            names.emplace_back(entry->d_name);
        ::closedir(dev);
    }
    std::vector<SerialDevice> devices;
    for (const auto &name : OrderSerialDeviceNames(std::move(names))) {
        const std::string path = "/dev/" + name;
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0 || !S_ISCHR(info.st_mode))
            continue;
        if (name.compare(0, 4, "ttyS") == 0 && !HasUart(name))
            continue;
        devices.push_back({static_cast<int>(devices.size()) + 1, path});
    }
    return devices;
}

std::string ResolvePortName(const std::string &name) {
    if (!name.empty() && name.front() == '/')
        return name;
    const int n = PortNumberFromName(name);
    if (n < 1)
        return {};
    const auto devices = ListSerialDevices();
    if (static_cast<std::size_t>(n) > devices.size())
        return {};
    return devices[static_cast<std::size_t>(n) - 1].path;
}

bool CanOpenPort(const std::string &name, std::string *reason) {
    std::string why;
    const std::string device = ResolvePortName(name);
    if (device.empty()) {
        why = "no serial device is present for " + name;
    } else {
        const int fd = OpenSerialDeviceExclusively(device, why);
        if (fd >= 0) {
            ::close(fd);
            return true;
        }
    }
    if (reason)
        *reason = why;
    return false;
}

} // namespace dpmr
