#include "sim/sim_options.h"

#include "core/image/band_limits.h"

#include <charconv>

namespace dpmr::sim {

const char *const kSimUsage =
    "usage: dpmr-radio-sim [options]\n"
    "A virtual dPMR radio on a pseudo-terminal. Prints the terminal's path, then answers\n"
    "reads and writes until stopped (Ctrl-C).\n"
    "  --band 136-174|350-390|400-470  band of the identification reply (400-470)\n"
    "  --load FILE         memory from a .dat file (default: a factory image of the band)\n"
    "  --save FILE         write the memory to FILE after each write (at its \"ENDW\")\n"
    "  --link PATH         also make PATH a symbolic link to the terminal\n"
    "  --pace              send and receive at the speed of a 9600 baud 8N1 line\n"
    "  --wake-delay MS     answer the wake-up after MS milliseconds (3)\n"
    "  --once              exit after the first exchange that ends with a trailer\n"
    "  --quiet             no line per exchange on stderr\n"
    "  --fault F           inject a fault (repeatable); K is a block number 1-504:\n"
    "      silent           never answer\n"
    "      wake-on:N        answer the wake-up only from attempt N on\n"
    "      no-confirm       no \"A\" to the confirmation\n"
    "      echo             no radio, every byte sent comes back (a loopback plug)\n"
    "      a-stream         no radio, an endless stream of \"A\"\n"
    "      no-ack:K         no acknowledgement of block K\n"
    "      bad-ack:K        \"N\" instead of \"A\" for block K\n"
    "      garbage:K        random bytes as block K's read reply and acknowledgement\n"
    "      short:K          block K's read reply stops after 16 data bytes\n"
    "      hangup:K         close the terminal when block K arrives, then exit\n"
    "      ignore-write:K   acknowledge block K of a write without keeping it\n"
    "      ack-delay:K:MS   acknowledge block K after MS milliseconds\n"
    "      byte-gap:K:MS    MS milliseconds between the bytes of block K's read reply\n"
    "  -h, --help          show this help and exit\n"
    "  --version           show the version and exit\n";

namespace {

bool ParseInt(const std::string &text, int &value) {
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

std::vector<std::string> Split(const std::string &text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = text.find(':', start);
        parts.push_back(text.substr(start, colon - start));
        if (colon == std::string::npos)
            return parts;
        start = colon + 1;
    }
}

bool ParseFault(const std::string &text, Faults &faults, std::string &error) {
    const auto parts = Split(text);
    const std::string &name = parts[0];
    error = "unknown fault \"" + text + "\"";
    if (parts.size() == 1) {
        if (name == "silent")
            faults.silent = true;
        else if (name == "no-confirm")
            faults.noConfirm = true;
        else if (name == "echo")
            faults.echo = true;
        else if (name == "a-stream")
            faults.streamAck = true;
        else
            return false;
        return true;
    }
    std::vector<int> numbers;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        int n = 0;
        if (!ParseInt(parts[i], n) || n < 0)
            return false;
        numbers.push_back(n);
    }
    if (name == "wake-on" && numbers.size() == 1 && numbers[0] >= 1) {
        faults.wakeOnAttempt = numbers[0];
        return true;
    }
    const int block = numbers[0];
    if (block < 1 || block > 504) {
        error = "block " + parts[1] + " of fault \"" + text + "\" is not 1 to 504";
        return false;
    }
    BlockFault &fault = faults.blocks[block];
    if (numbers.size() == 1) {
        if (name == "no-ack")
            fault.noAck = true;
        else if (name == "bad-ack")
            fault.badAck = true;
        else if (name == "garbage")
            fault.garbage = true;
        else if (name == "short")
            fault.shortReply = true;
        else if (name == "hangup")
            fault.hangUp = true;
        else if (name == "ignore-write")
            fault.ignoreWrite = true;
        else
            return false;
        return true;
    }
    if (numbers.size() == 2 && name == "ack-delay")
        fault.ackDelayMs = numbers[1];
    else if (numbers.size() == 2 && name == "byte-gap")
        fault.byteGapMs = numbers[1];
    else
        return false;
    return true;
}

} // namespace

bool ParseSimOptions(const std::vector<std::string> &args, SimOptions &options,
                     std::string &error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const auto value = [&](std::string &out) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string text;
        if (arg == "--band") {
            if (!value(options.band))
                return false;
            const auto range = BandVariantFromName(options.band);
            if (!range) {
                error = "unknown band \"" + options.band + "\"";
                return false;
            }
            options.lowMHz = static_cast<int>(range->lower);
            options.highMHz = static_cast<int>(range->upper);
        } else if (arg == "--load") {
            if (!value(options.loadPath))
                return false;
        } else if (arg == "--save") {
            if (!value(options.savePath))
                return false;
        } else if (arg == "--link") {
            if (!value(options.linkPath))
                return false;
        } else if (arg == "--pace") {
            options.paced = true;
        } else if (arg == "--once") {
            options.once = true;
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else if (arg == "--wake-delay") {
            if (!value(text))
                return false;
            if (!ParseInt(text, options.wakeDelayMs) || options.wakeDelayMs < 0) {
                error = "--wake-delay needs a number of milliseconds";
                return false;
            }
        } else if (arg == "--fault") {
            if (!value(text) || !ParseFault(text, options.faults, error))
                return false;
        } else {
            error = "unknown option \"" + arg + "\"";
            return false;
        }
    }
    return true;
}

} // namespace dpmr::sim
