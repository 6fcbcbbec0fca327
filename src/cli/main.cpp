// dpmr-tool: reads and writes the radio and makes and inspects code plug files from a shell.

#include "cli/tool_commands.h"
#include "cli/tool_options.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv) {
    using namespace dpmr::cli;
    ToolOptions options;
    std::string error;
    if (!ParseToolOptions({argv + 1, argv + argc}, options, error)) {
        std::fprintf(stderr, "dpmr-tool: %s\n%s", error.c_str(), kToolUsage);
        return kExitUsage;
    }
    switch (options.command) {
    case Command::Read:
        return RunReadCommand(options);
    case Command::Write:
        return RunWriteCommand(options);
    case Command::New:
        return RunNewCommand(options);
    case Command::Info:
        return RunInfoCommand(options);
    case Command::Ports:
        return RunPortsCommand();
    case Command::Help:
    case Command::None:
        break;
    }
    std::fputs(kToolUsage, stdout);
    return 0;
}
