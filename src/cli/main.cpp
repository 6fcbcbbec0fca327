// dpmr-tool: reads and writes radios and makes, inspects and converts code plug files from a
// shell.

#include "cli/tool_commands.h"
#include "cli/tool_options.h"
#include "core/image/code_plug_file.h"

int main(int argc, char **argv) {
    using namespace dpmr::cli;
    dpmr::IgnoreFileSizeSignal();
    ToolOptions options;
    if (const ParseOutcome parsed = ParseToolOptions(argc, argv, options); !parsed.proceed)
        return parsed.exitCode;
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
    case Command::ExportCsv:
        return RunExportCsvCommand(options);
    case Command::ImportCsv:
        return RunImportCsvCommand(options);
    case Command::Dump:
        return RunDumpCommand(options);
    case Command::Apply:
        return RunApplyCommand(options);
    case Command::Get:
        return RunGetCommand(options);
    case Command::Set:
        return RunSetCommand(options);
    case Command::Diff:
        return RunDiffCommand(options);
    case Command::Fields:
        return RunFieldsCommand();
    case Command::PrintPlan:
        return RunPrintPlanCommand(options);
    case Command::None:
        break;
    }
    return kExitUsage;
}
