#pragma once
// What dpmr-radio-sim is asked to do: its band, memory, line speed and the faults it injects.

#include <map>
#include <string>
#include <vector>

namespace dpmr::sim {

// Faults of one block (numbered 1 to 504 from address 0x0100).
struct BlockFault {
    bool noAck = false;       // no acknowledgement at all
    bool badAck = false;      // "N" instead of "A"
    bool garbage = false;     // read reply of random bytes, then a random acknowledgement
    bool shortReply = false;  // read reply cut after 16 of its 32 data bytes
    bool hangUp = false;      // close the pseudo-terminal when the block's frame arrives
    bool ignoreWrite = false; // acknowledge a written block without keeping it
    int ackDelayMs = 0;       // acknowledge this late
    int byteGapMs = 0;        // pause between the bytes of the read reply
};

struct Faults {
    bool silent = false;    // never answer anything
    int wakeOnAttempt = 1;  // answer the wake-up from this attempt on
    bool noConfirm = false; // no "A" to the confirmation
    bool echo = false;      // no radio: every byte sent comes back (a loopback plug)
    bool streamAck = false; // no radio: "A" after "A" without end, whatever is sent
    std::map<int, BlockFault> blocks;
};

struct SimOptions {
    std::string band = "400-470"; // "136-174", "350-390" or "400-470"
    int lowMHz = 400;
    int highMHz = 470;
    std::string loadPath;
    std::string savePath;
    std::string linkPath;
    bool paced = false;
    int wakeDelayMs = 3;
    bool once = false;
    bool quiet = false;
    Faults faults;
};

// The options after the program name; false with a message on a usage error.
bool ParseSimOptions(const std::vector<std::string> &args, SimOptions &options, std::string &error);

extern const char *const kSimUsage;

} // namespace dpmr::sim
