#pragma once
// The command line of dpmr-tool, parsed by CLI11.

#include <string>
#include <vector>

namespace dpmr::cli {

enum class Command {
    None,
    Read,
    Write,
    New,
    Info,
    Ports,
    ExportCsv,
    ImportCsv,
    Dump,
    Apply,
    Get,
    Set,
    Diff,
    Fields,
    PrintPlan
};

struct ToolOptions {
    Command command = Command::None;
    std::vector<std::string> ports; // read and write: one link per port, all at once
    std::vector<std::string> files; // read: one per port, in the same order; others: one
    std::string file;               // files[0]
    std::string csv;                // export-csv and import-csv
    std::string channels;           // export-csv: "1-10,15"; empty: every channel in use
    std::string other;              // diff: the second code plug; apply: the changes
    std::string section;            // dump: only this section
    std::vector<std::string> names; // get: field names; set: FIELD=VALUE
    std::string band;         // "136-174", "350-390", "400-470"; empty: the program's start-up band
    std::string backupFolder; // empty: DATA/backups of the installed or built copy
    std::string paper = "a4"; // print-plan: a4 or letter
    bool html = false;        // print-plan: HTML instead of PDF
    bool withSettings = false; // print-plan: the settings sheet after the plan
    bool verify = false;
    bool strict = false; // import-csv: refuse at the first row that does not fit
    bool trace = false;
};

struct ParseOutcome {
    bool proceed = false; // false: exit with exitCode (help shown, or a usage error)
    int exitCode = 0;
};

// Prints help on stdout, or a usage error and the usage on stderr.
ParseOutcome ParseToolOptions(int argc, const char *const *argv, ToolOptions &options);

// The same physical port named twice (COM1 and the device it stands for, say) in `ports`;
// empty when none is.
std::string DuplicatePort(const std::vector<std::string> &ports);

} // namespace dpmr::cli
