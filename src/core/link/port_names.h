#pragma once
// Port names as the settings file keeps them: "COM3" for 1 to 9 and "\\.\COM12" for 10 to 16.
// COM n is the n-th serial device present, /dev/ttyUSB* first, then /dev/ttyACM*, then
// /dev/ttyS* (numeric order within each). A name that starts with "/" is a device path (a
// /dev/serial/by-id/ link, the virtual radio's pseudo-terminal) and is used as it stands.

#include <string>
#include <vector>

namespace dpmr {

inline constexpr int kPortCount = 16; // the Port dialog's COM1 to COM16

// "COM%d" for 1 to 9, "\\.\COM%d" for 10 and above.
std::string PortNameForNumber(int n);
// The number after the first "M" ("%*[^M]M%d"); 0 when there is none.
int PortNumberFromName(const std::string &name);

struct SerialDevice {
    int number = 0;   // COM number, from 1
    std::string path; // "/dev/ttyUSB0"
};
// Every serial device present, numbered in the order above.
std::vector<SerialDevice> ListSerialDevices();
// Sorts device names (without "/dev/") into COM order; names of other kinds are dropped.
std::vector<std::string> OrderSerialDeviceNames(std::vector<std::string> names);

// The device path a port name stands for; empty when no such device is present.
std::string ResolvePortName(const std::string &name);

// The Port dialog's probe: true when the port can be opened exclusively now (it is closed
// again at once). `reason` says why not.
bool CanOpenPort(const std::string &name, std::string *reason = nullptr);

} // namespace dpmr
