#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "core/exchange/channel_csv.h"
#include "core/exchange/channel_csv_columns.h"
#include "core/exchange/channel_csv_row.h"
#include "core/exchange/csv_rows.h"
#include "core/files/input_file.h"
#include "core/image/derived_data.h"
#include "core/image/memory_map.h"
#include "core/text/message_text.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>

namespace dpmr {

namespace {

using namespace csv;

class ImportFailure {
public:
    explicit ImportFailure(const std::string &source) : source_(source) {}
    CsvImportResult At(int line, int column, const std::string &columnName,
                       const std::string &what) const {
        std::string where = "line " + std::to_string(line);
        if (column > 0)
            where += ", column " + std::to_string(column) +
                     (columnName.empty() ? "" : " (" + EscapedText(columnName) + ")");
        return Whole(where + ": " + what);
    }
    CsvImportResult Whole(const std::string &what) const {
        CsvImportResult result;
        result.message = "Cannot import " + Quoted(source_, kEchoedPathLength) + ": " + what;
        return result;
    }

private:
    const std::string &source_;
};

bool IsBlank(const CsvRow &row) {
    return std::all_of(row.fields.begin(), row.fields.end(),
                       [](const std::string &field) { return Trimmed(field).empty(); });
}

// A row that fits, waiting until every row has been read.
struct Accepted {
    int channel;
    int line;
    RowReading reading;
};

} // namespace

std::string CsvImportResult::Summary() const {
    std::string text = std::to_string(channels - deleted) + " channels imported, " +
                       std::to_string(skipped.size()) + " rows skipped";
    if (deleted > 0)
        text += ", " + std::to_string(deleted) + " channels deleted";
    return text;
}

std::string DescribeRow(const CsvRowNote &row, bool skipped) {
    return "line " + std::to_string(row.line) + (skipped ? ": skipped: " : ": note: ") + row.what;
}

CsvImportResult ImportChannelsCsv(std::string_view text, const std::string &source, Image &image,
                                  const CsvImportOptions &options) {
    const ImportFailure fail(source);
    if (text.size() > kMaxChannelCsvSize)
        return fail.Whole("the file holds " + std::to_string(text.size()) +
                          " bytes; a channel list is at most " +
                          std::to_string(kMaxChannelCsvSize));
    const CsvParse parsed = ParseCsvRows(text);
    if (!parsed.ok)
        return fail.At(parsed.errorLine, parsed.errorColumn, "", parsed.error);
    if (parsed.rows.empty())
        return fail.Whole("no header line (Location,Name,Frequency,...)");

    const CsvRow &header = parsed.rows.front();
    ColumnMap columns;
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string name = Trimmed(header.fields[i]);
        if (name.empty())
            continue;
        if (!columns.emplace(name, static_cast<int>(i) + 1).second)
            return fail.At(header.line, static_cast<int>(i) + 1, name, "the column is named twice");
    }
    const bool paste = options.pasteAt > 0;
    for (const char *required : {"Location", "Frequency"})
        if (!columns.count(required) && !(paste && std::string_view(required) == "Location"))
            return fail.At(header.line, 0, "",
                           std::string("the header has no ") + required + " column");

    Image result = image;
    BandLimits band;
    ChannelTable table;
    LoadChannelTable(result, band, table);

    CsvImportResult out;
    std::vector<Accepted> accepted;
    std::map<long, int> lineOfLocation;
    int nextPaste = options.pasteAt;
    for (std::size_t r = 1; r < parsed.rows.size(); ++r) {
        const CsvRow &row = parsed.rows[r];
        if (row.fields.size() != header.fields.size())
            return fail.At(row.line, 0, "",
                           std::to_string(row.fields.size()) + " fields where the header has " +
                               std::to_string(header.fields.size()));
        if (IsBlank(row))
            continue;
        const RowFields fields(columns, row.fields);
        long n = 0;
        if (paste) {
            n = nextPaste++;
        } else {
            // A row without a Location is no memory (some lists use them as headings).
            const std::string location = fields.Get("Location");
            if (location.empty())
                continue;
            const auto number = ParseLocation(location);
            const int column = fields.Index("Location");
            if (!number)
                return fail.At(row.line, column, "Location",
                               Quoted(location) + " is not a channel number");
            const auto [previous, fresh] = lineOfLocation.emplace(*number, row.line);
            if (!fresh)
                return fail.At(row.line, column, "Location",
                               "channel " + std::to_string(*number) + " is already on line " +
                                   std::to_string(previous->second));
            n = *number;
        }

        RowReading reading = ReadChannelRow(fields, band);
        if (reading.fit == RowFit::Malformed)
            return fail.At(row.line, fields.Index(reading.column), reading.column, reading.what);
        if (n < 1 || n > kChannelCount) {
            reading.fit = RowFit::Unfit;
            reading.column = paste ? "" : "Location";
            reading.what = paste ? "past channel " + std::to_string(kChannelCount)
                                 : "Location " + std::to_string(n) +
                                       " is no channel of this radio (1 to " +
                                       std::to_string(kChannelCount) + ")";
        }
        if (reading.fit == RowFit::Unfit) {
            if (options.strict)
                return fail.At(row.line, fields.Index(reading.column), reading.column,
                               reading.what);
            out.skipped.push_back({row.line, static_cast<int>(n), reading.what});
            continue;
        }
        accepted.push_back({static_cast<int>(n), row.line, std::move(reading)});
    }
    if (accepted.empty() && !out.skipped.empty())
        return fail.Whole("no row fits this radio; line " +
                          std::to_string(out.skipped.front().line) + ": " +
                          out.skipped.front().what);

    for (const Accepted &row : accepted) {
        // A deleted channel goes at once: one that showed empty (a frequency no text can
        // store) would otherwise keep its bytes.
        if (row.reading.cells[kColRxFreq].empty())
            ClearChannel(result, row.channel);
        StoreChannelRow(row.reading.cells, result, band, row.channel);
        if (row.reading.name)
            WriteAlias(result, row.channel, *row.reading.name);
        for (const std::string &note : row.reading.notes)
            out.notes.push_back({row.line, row.channel, note});
        out.written.push_back(row.channel);
        if (row.reading.cells[kColRxFreq].empty())
            ++out.deleted;
    }
    RefreshDerivedData(result, band);
    image = result;
    out.ok = true;
    out.channels = static_cast<int>(out.written.size());
    return out;
}

CsvImportResult ImportChannelsCsvFile(const std::string &path, Image &image,
                                      const CsvImportOptions &options) {
    // Read, not sized: a list may come through a pipe (/dev/stdin, <(command)).
    std::string text;
    if (const InputResult read =
            ReadInputFile(path, InputKind::FileOrPipe, kMaxChannelCsvSize + 1, text);
        !read)
        return ImportFailure(path).Whole(read.reason);
    if (text.size() > kMaxChannelCsvSize)
        return ImportFailure(path).Whole("the file holds more than " +
                                         std::to_string(kMaxChannelCsvSize) +
                                         " bytes; a channel list is at most that");
    return ImportChannelsCsv(text, path, image, options);
}

} // namespace dpmr
