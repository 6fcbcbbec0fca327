#include "cli/tool_options.h"

#include "core/image/band_limits.h"

namespace dpmr::cli {

const char *const kToolUsage =
    "usage: dpmr-tool [--trace] read --port PORT FILE      read the radio into FILE\n"
    "       dpmr-tool [--trace] write --port PORT [--verify] FILE\n"
    "                                                     write FILE into the radio\n"
    "       dpmr-tool new FILE [--band 136-174|350-390|400-470]\n"
    "                                                     a new code plug, as New then Save\n"
    "       dpmr-tool info FILE                           what a code plug holds\n"
    "       dpmr-tool ports                               COM numbers and their devices\n"
    "PORT is COM1 to COM16 (see ports) or a device path such as /dev/ttyUSB0 or the path\n"
    "dpmr-radio-sim prints. --verify reads the radio back and compares. --trace prints every\n"
    "byte sent (>) and received (<) on stderr.\n";

namespace {

struct CommandName {
    const char *name;
    Command command;
};
constexpr CommandName kCommands[] = {{"read", Command::Read},   {"write", Command::Write},
                                     {"new", Command::New},     {"info", Command::Info},
                                     {"ports", Command::Ports}, {"help", Command::Help}};

} // namespace

bool ParseToolOptions(const std::vector<std::string> &args, ToolOptions &options,
                      std::string &error) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool hasValue = false;
        if (arg.rfind("--", 0) == 0) {
            if (const auto equals = arg.find('='); equals != std::string::npos) {
                value = arg.substr(equals + 1);
                arg.resize(equals);
                hasValue = true;
            }
        }
        const auto take = [&](std::string &out) {
            if (!hasValue) {
                if (i + 1 >= args.size()) {
                    error = arg + " needs a value";
                    return false;
                }
                value = args[++i];
            }
            out = value;
            return true;
        };
        if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--verify") {
            options.verify = true;
        } else if (arg == "--help" || arg == "-h") {
            options.command = Command::Help;
            return true;
        } else if (arg == "--port") {
            if (!take(options.port))
                return false;
        } else if (arg == "--band") {
            if (!take(options.band))
                return false;
            if (!BandVariantFromName(options.band)) {
                error = "unknown band \"" + options.band + "\" (136-174, 350-390 or 400-470)";
                return false;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option \"" + arg + "\"";
            return false;
        } else if (options.command == Command::None) {
            for (const auto &known : kCommands)
                if (arg == known.name)
                    options.command = known.command;
            if (options.command == Command::None) {
                error = "unknown command \"" + arg + "\"";
                return false;
            }
        } else {
            files.push_back(arg);
        }
    }

    const Command command = options.command;
    if (command == Command::None) {
        error = "no command";
        return false;
    }
    if (command == Command::Help)
        return true;
    const bool needsFile = command != Command::Ports;
    if (files.size() != (needsFile ? 1u : 0u)) {
        error = needsFile ? "give exactly one FILE" : "ports takes no FILE";
        return false;
    }
    if (needsFile)
        options.file = files[0];
    const bool link = command == Command::Read || command == Command::Write;
    if (link && options.port.empty()) {
        error = "--port PORT is needed";
        return false;
    }
    if (!link && !options.port.empty()) {
        error = "--port is for read and write only";
        return false;
    }
    if (options.verify && command != Command::Write) {
        error = "--verify is for write only";
        return false;
    }
    if (!options.band.empty() && command != Command::New) {
        error = "--band is for new only";
        return false;
    }
    if (options.trace && !link) {
        error = "--trace is for read and write only";
        return false;
    }
    return true;
}

} // namespace dpmr::cli
