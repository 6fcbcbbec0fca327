#include "cli/tool_commands.h"

#include "cli/code_plug_summary.h"
#include "core/app/code_plug_document.h"
#include "core/exchange/channel_csv.h"
#include "core/fields/field_rule.h"
#include "core/image/band_limits.h"
#include "core/image/code_plug_file.h"
#include "core/image/memory_map.h"
#include "core/link/port_names.h"
#include "core/text/message_text.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace dpmr::cli {

namespace {

// The file functions' messages name the file already.
int FileFailure(const FileResult &result) {
    std::fprintf(stderr, "dpmr-tool: %s\n", result.message.c_str());
    return kExitFailed;
}

// "1-10,15" -> 1..10, 15; nullopt for anything else or a channel outside 1-199.
std::optional<std::vector<int>> ChannelListFromText(const std::string &text) {
    std::vector<int> channels;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string part = text.substr(start, comma - start);
        const std::size_t dash = part.find('-');
        const auto number = [](const std::string &digits) {
            const bool ok = !digits.empty() && digits.size() <= 3 &&
                            digits.find_first_not_of(kDigitChars) == std::string::npos;
            const int n = ok ? std::stoi(digits) : 0;
            return n >= 1 && n <= kChannelCount ? n : 0;
        };
        const int first = number(part.substr(0, dash));
        const int last = dash == std::string::npos ? first : number(part.substr(dash + 1));
        if (first == 0 || last < first)
            return std::nullopt;
        for (int n = first; n <= last; ++n)
            channels.push_back(n);
        start = comma + 1;
    }
    return channels;
}

BandLimits LimitsOfBand(const std::string &band) {
    const auto range = BandVariantFromName(band);
    if (!range)
        return BandLimits{}; // the program's start-up limits, 400-470 MHz
    return {range->lower * kUnitsPerMHz, range->upper * kUnitsPerMHz};
}

} // namespace

int RunNewCommand(const ToolOptions &options) {
    // What the program does on New then Save, with the band selector set to the band first.
    auto document = std::make_unique<CodePlugDocument>();
    document->limits = LimitsOfBand(options.band);
    document->New();
    if (const FileResult saved = document->Save(options.file); !saved)
        return FileFailure(saved);
    return 0;
}

int RunInfoCommand(const ToolOptions &options) {
    Image image;
    if (const FileResult loaded = LoadCodePlugFile(options.file, image); !loaded)
        return FileFailure(loaded);
    std::fputs(FormatSummary(options.file, Summarize(image)).c_str(), stdout);
    return 0;
}

int RunExportCsvCommand(const ToolOptions &options) {
    Image image;
    if (const FileResult loaded = LoadCodePlugFile(options.file, image); !loaded)
        return FileFailure(loaded);
    if (options.channels.empty()) {
        if (const FileResult saved = ExportChannelsCsvFile(options.csv, image); !saved)
            return FileFailure(saved);
        return 0;
    }
    const auto channels = ChannelListFromText(options.channels);
    if (!channels) {
        std::fprintf(stderr,
                     "dpmr-tool: --channels \"%s\": give channels 1-%d as a list such "
                     "as 1-10,15\n",
                     options.channels.substr(0, 40).c_str(), kChannelCount);
        return kExitUsage;
    }
    if (const FileResult saved = ExportChannelsCsvFile(options.csv, image, *channels); !saved)
        return FileFailure(saved);
    return 0;
}

int RunImportCsvCommand(const ToolOptions &options) {
    // What Import channels then Save does in the program.
    auto document = std::make_unique<CodePlugDocument>();
    if (const FileResult opened = document->Open(options.file); !opened)
        return FileFailure(opened);
    Image changed = document->image;
    CsvImportOptions importOptions;
    importOptions.strict = options.strict;
    const CsvImportResult imported = ImportChannelsCsvFile(options.csv, changed, importOptions);
    if (!imported) {
        std::fprintf(stderr, "dpmr-tool: %s; %s unchanged\n", imported.message.c_str(),
                     EscapedText(options.file, kEchoedPathLength).c_str());
        return kExitFailed;
    }
    document->ReplaceImage(changed);
    if (const FileResult saved = document->Save(options.file); !saved)
        return FileFailure(saved);
    for (const CsvRowNote &row : imported.skipped)
        std::fprintf(stderr, "%s: %s\n", options.csv.c_str(), DescribeRow(row, true).c_str());
    for (const CsvRowNote &row : imported.notes)
        std::fprintf(stderr, "%s: %s\n", options.csv.c_str(), DescribeRow(row, false).c_str());
    std::printf("%s into %s: %s\n", options.csv.c_str(), options.file.c_str(),
                imported.Summary().c_str());
    return 0;
}

int RunPortsCommand() {
    const auto devices = ListSerialDevices();
    if (devices.empty())
        std::fprintf(stderr, "no serial devices: plug the cable in and check ls /dev/ttyUSB*\n");
    for (const auto &device : devices)
        std::printf("COM%-3d %s\n", device.number, device.path.c_str());
    return 0;
}

} // namespace dpmr::cli
