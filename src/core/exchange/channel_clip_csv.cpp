#include "core/exchange/channel_clip_csv.h"

#include "core/channels/channel_record.h"
#include "core/exchange/channel_csv.h"
#include "core/exchange/csv_rows.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <span>

namespace dpmr {

namespace {

std::string_view FirstLine(std::string_view text) {
    return text.substr(0, text.find('\n'));
}

bool MentionsLocation(std::string_view line) {
    std::string lower(line);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("location") != std::string::npos;
}

// Tab-separated rows as CSV: every field quoted as the exchange writes it.
std::string TabsToCsv(std::string_view text) {
    std::string csv;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::size_t field = 0;
        bool first = true;
        while (true) {
            const std::size_t tab = line.find('\t', field);
            if (!first)
                csv += ',';
            first = false;
            csv += CsvField(
                line.substr(field, tab == std::string_view::npos ? line.npos : tab - field));
            if (tab == std::string_view::npos)
                break;
            field = tab + 1;
        }
        csv += '\n';
        start = end + 1;
    }
    return csv;
}

} // namespace

std::string ChannelsToCsvText(const Image &image, const std::vector<int> &channels) {
    return ChannelsToCsv(image, std::span<const int>(channels));
}

CsvClip ChannelsFromCsvText(std::string_view text, const Image &image) {
    CsvClip result;
    result.clip.band = DecodeBandLimits(image);
    std::string csv(text);
    const std::string_view first = FirstLine(text);
    if (first.find('\t') != std::string_view::npos && first.find(',') == std::string_view::npos)
        csv = TabsToCsv(text);
    int headerLines = 0;
    if (!MentionsLocation(FirstLine(csv))) {
        auto blank = std::make_unique<Image>(image);
        for (int n = 1; n <= kChannelCount; ++n)
            ClearChannel(*blank, n);
        csv = ChannelsToCsv(*blank) + csv; // the header alone
        headerLines = 1;
    }

    // The rows land in an image without channels, so each one read is one to paste.
    auto scratch = std::make_unique<Image>(image);
    ClearChannels(*scratch, AllChannels());
    for (int n = 1; n <= kChannelCount; ++n)
        WriteAlias(*scratch, n, "");
    // Each row lands on its Location, so the clip keeps where it came from; what the radio
    // cannot hold is skipped and listed.
    const CsvImportResult imported = ImportChannelsCsv(csv, "the pasted text", *scratch);
    const int shift = headerLines; // lines are counted in the text the user pasted
    if (!imported) {
        std::string reason = imported.message;
        if (headerLines > 0)
            reason += " (counting the header line added before the pasted rows)";
        result.skipped.push_back({0, reason});
        return result;
    }
    for (const CsvRowNote &row : imported.skipped)
        result.skipped.push_back({row.line - shift, row.what});
    for (int n = 1; n <= kChannelCount; ++n) {
        if (IsChannelEmpty(*scratch, n))
            continue;
        ChannelBytes bytes = ReadChannelBytes(*scratch, n);
        bytes.ext.reset(); // the text carries no digital extension: the default one
        result.clip.entries.push_back({n, bytes});
    }
    return result;
}

} // namespace dpmr
