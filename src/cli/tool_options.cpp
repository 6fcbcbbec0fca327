#include "cli/tool_options.h"

#include "core/app/licence_notice.h"
#include "core/files/file_paths.h"
#include "core/image/band_limits.h"
#include "core/link/port_names.h"
#include "core/text/message_text.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <cstdlib>
#include <set>

namespace dpmr::cli {

namespace {

constexpr const char *kUsage =
    "usage: dpmr-tool [--trace] read --port PORT [--port PORT ...] FILE [FILE ...]\n"
    "       dpmr-tool [--trace] write --port PORT [--port PORT ...] [--verify] FILE\n"
    "       dpmr-tool new FILE [--band 136-174|350-390|400-470]\n"
    "       dpmr-tool info FILE\n"
    "       dpmr-tool ports\n"
    "       dpmr-tool export-csv FILE.dat OUT.csv [--channels 1-10,15]\n"
    "       dpmr-tool import-csv [--strict] FILE.dat IN.csv\n"
    "       dpmr-tool dump FILE.dat [--section NAME]\n"
    "       dpmr-tool apply FILE.dat CHANGES.toml\n"
    "       dpmr-tool get FILE.dat FIELD [FIELD ...]\n"
    "       dpmr-tool set FILE.dat FIELD=VALUE [FIELD=VALUE ...]\n"
    "       dpmr-tool diff A.dat B.dat\n"
    "       dpmr-tool fields\n"
    "       dpmr-tool print-plan FILE.dat OUT.pdf [--paper a4|letter] [--settings] [--html]\n"
    "       dpmr-tool --help | --version\n"
    "dpmr-tool COMMAND --help describes a command.\n";

constexpr const char *kPortHelp =
    "COM1 to COM16 (see ports) or a device path such as /dev/ttyUSB0 or the path "
    "dpmr-radio-sim prints; give it again for more radios, programmed at the same time";

std::string CanonicalDevice(const std::string &port) {
    std::string device = ResolvePortName(port);
    if (device.empty())
        device = port;
    if (char *real = ::realpath(device.c_str(), nullptr)) {
        device = real;
        std::free(real);
    }
    return device;
}

void AddBackupOption(CLI::App &command, ToolOptions &options) {
    command.add_option("--backup-folder", options.backupFolder,
                       "where the automatic backups go (default: ~/.local/share/dpmr-cps/DATA/"
                       "backups, or DATA/backups beside a portable copy)");
}

} // namespace

std::string DuplicatePort(const std::vector<std::string> &ports) {
    std::set<std::string> seen;
    for (const auto &port : ports)
        if (!seen.insert(CanonicalDevice(port)).second)
            return port;
    return {};
}

ParseOutcome ParseToolOptions(int argc, const char *const *argv, ToolOptions &options) {
    CLI::App app("Reads and writes the radio, and makes, inspects and converts code plug files.",
                 "dpmr-tool");
    // At most one command; none is reported after the parse, so that a mistyped option is
    // named first.
    app.require_subcommand(0, 1);
    app.set_version_flag("--version", std::string("dpmr-tool " DPMR_VERSION "\n") + kLicenceNotice,
                         "print the version and exit");
    app.add_flag("--trace", options.trace,
                 "print every byte sent (>) and received (<) on stderr (read and write)");
    app.footer("Every failure exits non-zero after one line on stderr naming the port or file.");

    CLI::App *read = app.add_subcommand("read", "read radios into code plug files; FILE is "
                                                "written only after a complete read");
    read->add_option("--port", options.ports, kPortHelp)->required()->allow_extra_args(false);
    read->add_option("FILE", options.files, "one file per --port, in the same order")->required();
    AddBackupOption(*read, options);

    CLI::App *write = app.add_subcommand("write", "write a code plug file into radios");
    write->add_option("--port", options.ports, kPortHelp)->required()->allow_extra_args(false);
    write->add_flag("--verify", options.verify, "read each radio back and compare");
    write->add_option("FILE", options.file, "the code plug to write")->required();
    AddBackupOption(*write, options);

    CLI::App *create = app.add_subcommand("new", "a new code plug, the bytes of New then Save");
    create->add_option("FILE", options.file, "the file to write")->required();
    create->add_option("--band", options.band, "the band variant (default: the program's 400-470)")
        ->check([](const std::string &band) {
            return BandVariantFromName(band)
                       ? std::string()
                       : "unknown band \"" + band + "\" (136-174, 350-390 or 400-470)";
        });

    CLI::App *info = app.add_subcommand("info", "what a code plug holds");
    info->add_option("FILE", options.file, "the code plug")->required();

    CLI::App *ports = app.add_subcommand("ports", "COM numbers and the devices they stand for");

    CLI::App *exportCsv =
        app.add_subcommand("export-csv", "write the channels of a code plug as CSV");
    exportCsv->add_option("FILE", options.file, "the code plug (.dat)")->required();
    exportCsv->add_option("OUT", options.csv, "the CSV file to write")->required();
    exportCsv->add_option("--channels", options.channels,
                          "only these channels, such as 1-10,15 (an empty one is written as a row "
                          "that deletes it on import)");

    CLI::App *importCsv = app.add_subcommand(
        "import-csv", "put the channels of a CSV file into a code plug; rows this radio cannot "
                      "hold are skipped and listed on stderr, malformed text changes nothing");
    importCsv->add_option("FILE", options.file, "the code plug (.dat) to change")->required();
    importCsv->add_option("IN", options.csv, "the CSV file to read")->required();
    importCsv->add_flag("--strict", options.strict,
                        "refuse the whole file at the first row this radio cannot hold");

    CLI::App *dump = app.add_subcommand("dump", "every setting of a code plug as TOML");
    dump->add_option("FILE", options.file, "the code plug (.dat)")->required();
    dump->add_option("--section", options.section, "only this section (basic, channel, channel.5)");

    CLI::App *apply = app.add_subcommand(
        "apply", "apply a TOML document (whole or partial) to a code plug; all of it or nothing");
    apply->add_option("FILE", options.file, "the code plug (.dat) to change")->required();
    apply->add_option("CHANGES", options.other, "the TOML document")->required();

    CLI::App *get = app.add_subcommand("get", "print the shown value of fields");
    get->add_option("FILE", options.file, "the code plug (.dat)")->required();
    get->add_option("FIELD", options.names, "a field name, as dump and fields name it")->required();

    CLI::App *set = app.add_subcommand("set", "set fields by name; all of them or none");
    set->add_option("FILE", options.file, "the code plug (.dat) to change")->required();
    set->add_option("FIELD=VALUE", options.names, "channel.5.rx_freq=446.00625")->required();

    CLI::App *diff = app.add_subcommand("diff", "the fields two code plugs differ in; exit 1 "
                                                "when any do");
    diff->add_option("A", options.file, "the first code plug")->required();
    diff->add_option("B", options.other, "the second code plug")->required();

    CLI::App *fields = app.add_subcommand("fields", "every field name with its rule");

    CLI::App *printPlan = app.add_subcommand(
        "print-plan", "the channel plan as a PDF (or HTML) document, as File > Print prints it");
    printPlan->add_option("FILE", options.file, "the code plug (.dat)")->required();
    printPlan->add_option("OUT", options.other, "the PDF (or HTML) file to write")->required();
    printPlan->add_option("--paper", options.paper, "a4 (default) or letter")
        ->check(CLI::IsMember({"a4", "letter"}, CLI::ignore_case));
    printPlan->add_flag("--settings", options.withSettings,
                        "add the settings sheet: every other setting by name");
    printPlan->add_flag("--html", options.html, "write HTML instead of PDF");

    for (CLI::App *command : app.get_subcommands({}))
        command->fallthrough();

    const auto usageError = [](const std::string &what) {
        std::fprintf(stderr, "dpmr-tool: %s\n%s", EscapedText(what, kEchoedPathLength).c_str(),
                     kUsage);
        return ParseOutcome{false, 2};
    };
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp &) {
        // help() describes the command given before --help, or the whole tool.
        std::fputs(app.help().c_str(), stdout);
        return {false, 0};
    } catch (const CLI::CallForVersion &version) {
        std::fputs(version.what(), stdout);
        return {false, 0};
    } catch (const CLI::ParseError &error) {
        return usageError(error.what());
    }

    const std::pair<CLI::App *, Command> commands[] = {{read, Command::Read},
                                                       {write, Command::Write},
                                                       {create, Command::New},
                                                       {info, Command::Info},
                                                       {ports, Command::Ports},
                                                       {exportCsv, Command::ExportCsv},
                                                       {importCsv, Command::ImportCsv},
                                                       {dump, Command::Dump},
                                                       {apply, Command::Apply},
                                                       {get, Command::Get},
                                                       {set, Command::Set},
                                                       {diff, Command::Diff},
                                                       {fields, Command::Fields},
                                                       {printPlan, Command::PrintPlan}};
    for (const auto &[command, which] : commands)
        if (command->parsed())
            options.command = which;

    if (options.command == Command::None)
        return usageError("give a command");
    const bool link = options.command == Command::Read || options.command == Command::Write;
    if (options.trace && !link)
        return usageError("--trace is for read and write only");
    if (options.command == Command::Read && options.files.size() != options.ports.size())
        return usageError("give one FILE per --port (" + std::to_string(options.ports.size()) +
                          " ports, " + std::to_string(options.files.size()) + " files)");
    if (options.command != Command::Read && !options.file.empty())
        options.files = {options.file};
    if (!options.files.empty())
        options.file = options.files.front();
    if (const std::string twice = DuplicatePort(options.ports); !twice.empty())
        return usageError("port " + twice + " is given twice");
    // One file in two spellings (same.dat, ./same.dat, a link to it) would get two radios.
    if (options.command == Command::Read) {
        for (std::size_t i = 0; i < options.files.size(); ++i)
            for (std::size_t j = 0; j < i; ++j)
                if (SameFile(options.files[i], options.files[j]))
                    return usageError("file " + options.files[i] + " is given twice" +
                                      (options.files[i] == options.files[j]
                                           ? ""
                                           : " (as " + options.files[j] + ")"));
    }
    return {true, 0};
}

} // namespace dpmr::cli
