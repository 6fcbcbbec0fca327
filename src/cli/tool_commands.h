#pragma once
// The commands of dpmr-tool. Each returns the exit code: 0 done, 1 failed (after one line on
// stderr naming the port or file and the reason), 130 cancelled with Ctrl-C. read and write
// run one link per --port at once and fail when any port failed.

#include "cli/tool_options.h"

namespace dpmr::cli {

inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitCancelled = 130;

int RunReadCommand(const ToolOptions &options);
int RunWriteCommand(const ToolOptions &options);
int RunNewCommand(const ToolOptions &options);
int RunInfoCommand(const ToolOptions &options);
int RunExportCsvCommand(const ToolOptions &options);
int RunImportCsvCommand(const ToolOptions &options);
int RunPortsCommand();
// Settings by name (settings_commands.cpp).
int RunDumpCommand(const ToolOptions &options);
int RunApplyCommand(const ToolOptions &options);
int RunGetCommand(const ToolOptions &options);
int RunSetCommand(const ToolOptions &options);
int RunDiffCommand(const ToolOptions &options);
int RunFieldsCommand();
// The channel plan on paper (print_command.cpp).
int RunPrintPlanCommand(const ToolOptions &options);

} // namespace dpmr::cli
