#pragma once
// The command line of dpmr-tool.

#include <string>
#include <vector>

namespace dpmr::cli {

enum class Command { None, Help, Read, Write, New, Info, Ports };

struct ToolOptions {
    Command command = Command::None;
    std::string port;
    std::string file;
    std::string band; // "136-174", "350-390", "400-470"; empty: the program's start-up band
    bool verify = false;
    bool trace = false;
};

// The words after the program name; false with a message on a usage error.
bool ParseToolOptions(const std::vector<std::string> &args, ToolOptions &options,
                      std::string &error);

extern const char *const kToolUsage;

} // namespace dpmr::cli
