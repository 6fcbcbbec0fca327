#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "core/exchange/channel_csv.h"
#include "core/exchange/channel_csv_columns.h"
#include "core/exchange/csv_rows.h"
#include "core/image/frequency.h"
#include "core/image/memory_map.h"
#include "core/image/tone.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <sys/stat.h>

namespace dpmr {

namespace {

using namespace csv;

// A row fault: the column (1-based, 0 for the row as a whole) and what is wrong.
struct RowError {
    int column = 0;
    std::string what;
};

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

bool SameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsDecimal(std::string_view text) {
    const auto dot = text.find('.');
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (dot == std::string_view::npos)
        return !text.empty() && digits(text);
    return text.size() > 1 && digits(text.substr(0, dot)) && digits(text.substr(dot + 1));
}

std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    quoted.append(text).push_back('"');
    return quoted;
}

// The fields of one data row by column name; a column the header lacks reads as empty.
class RowFields {
public:
    RowFields(const std::map<std::string, int, std::less<>> &columns, const CsvRow &row)
        : columns_(columns), row_(row) {}

    // Trimmed of spaces and tabs, except where they are part of the value.
    std::string Get(std::string_view name) const {
        const int index = Index(name);
        if (index == 0)
            return {};
        const std::string &field = row_.fields[static_cast<std::size_t>(index - 1)];
        return name == "Name" ? field : Trimmed(field);
    }
    int Index(std::string_view name) const {
        const auto it = columns_.find(name);
        return it == columns_.end() ? 0 : it->second;
    }
    RowError Error(std::string_view name, std::string what) const {
        return {Index(name), std::move(what)};
    }

private:
    const std::map<std::string, int, std::less<>> &columns_;
    const CsvRow &row_;
};

// A frequency in MHz on the channel grid, as the table would store it.
std::optional<std::int64_t> ParseMHz(const std::string &text) {
    if (!IsDecimal(text))
        return std::nullopt;
    const std::int64_t units = FrequencyFromText(text);
    return units == 0 ? units : FrequencyFromText(FrequencyText(units));
}

std::string BandText(const BandLimits &band) {
    return FrequencyText(band.low) + "-" + FrequencyText(band.high) + " MHz";
}

std::optional<std::string> CtcssCell(const std::string &text) {
    if (!IsDecimal(text))
        return std::nullopt;
    const double hz = std::strtod(text.c_str(), nullptr);
    const auto &tones = ToneList();
    const auto it = std::find_if(tones.begin() + 1, tones.end(), [&](const std::string &tone) {
        return tone[0] != 'D' && std::abs(std::strtod(tone.c_str(), nullptr) - hz) < 1e-6;
    });
    return it == tones.end() ? std::nullopt : std::optional<std::string>(*it);
}

std::optional<std::string> DcsCell(const std::string &code, char polarity) {
    if (code.empty() || code.size() > 3 || !IsDecimal(code) || code.find('.') != code.npos)
        return std::nullopt;
    const std::string text =
        "D" + std::string(3 - code.size(), '0') + code + (polarity == 'R' ? 'I' : 'N');
    const auto &tones = ToneList();
    return std::find(tones.begin(), tones.end(), text) == tones.end()
               ? std::nullopt
               : std::optional<std::string>(text);
}

struct ToneCells {
    std::string tx = "None", rx = "None";
};

std::optional<RowError> ReadTones(const RowFields &f, ToneCells &cells) {
    const std::string mode = f.Get("Tone");
    if (mode.empty())
        return std::nullopt;
    std::string polarity = f.Get("DtcsPolarity");
    if (polarity.empty())
        polarity = "NN";
    if (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos)
        return f.Error("DtcsPolarity", Quoted(polarity) + " is no polarity (NN, NR, RN or RR)");

    const auto ctcss = [&](const char *column, std::string &cell) -> std::optional<RowError> {
        std::string text = f.Get(column);
        if (text.empty())
            text = kDefaultCtcss;
        const auto tone = CtcssCell(text);
        if (!tone)
            return f.Error(column, Quoted(text) + " is no CTCSS tone of this radio");
        cell = *tone;
        return std::nullopt;
    };
    const auto dcs = [&](const char *column, char pol,
                         std::string &cell) -> std::optional<RowError> {
        std::string text = f.Get(column);
        if (text.empty())
            text = kDefaultDcs;
        const auto code = DcsCell(text, pol);
        if (!code)
            return f.Error(column, Quoted(text) + " is no DCS code of this radio");
        cell = *code;
        return std::nullopt;
    };

    if (SameWord(mode, kToneModeTone))
        return ctcss("rToneFreq", cells.tx);
    if (SameWord(mode, kToneModeTsql)) {
        auto error = ctcss("cToneFreq", cells.tx);
        cells.rx = cells.tx;
        return error;
    }
    if (SameWord(mode, kToneModeDtcs)) {
        if (auto error = dcs("DtcsCode", polarity[0], cells.tx))
            return error;
        const bool ownRx = !f.Get("RxDtcsCode").empty();
        return dcs(ownRx ? "RxDtcsCode" : "DtcsCode", polarity[1], cells.rx);
    }
    if (!SameWord(mode, kToneModeCross))
        return f.Error("Tone", Quoted(mode) + " is no tone mode (Tone, TSQL, DTCS or Cross)");

    const std::string cross = f.Get("CrossMode");
    const auto arrow = cross.find("->");
    if (arrow == std::string::npos)
        return f.Error("CrossMode", Quoted(cross) + " is no cross mode (such as Tone->DTCS)");
    const std::string txWord = cross.substr(0, arrow), rxWord = cross.substr(arrow + 2);
    const auto side = [&](const std::string &word, bool tx) -> std::optional<RowError> {
        std::string &cell = tx ? cells.tx : cells.rx;
        if (word.empty())
            return std::nullopt;
        if (SameWord(word, kCrossTone))
            return ctcss(tx ? "rToneFreq" : "cToneFreq", cell);
        if (SameWord(word, kCrossDtcs))
            return dcs(tx ? "DtcsCode" : "RxDtcsCode", polarity[tx ? 0 : 1], cell);
        return f.Error("CrossMode", Quoted(cross) + " is no cross mode (such as Tone->DTCS)");
    };
    if (auto error = side(txWord, true))
        return error;
    return side(rxWord, false);
}

std::optional<RowError> ReadFrequencies(const RowFields &f, const BandLimits &band,
                                        ChannelRow &row) {
    const std::string rxText = f.Get("Frequency");
    const auto rx = ParseMHz(rxText);
    if (!rx || *rx == 0)
        return f.Error("Frequency", Quoted(rxText) + " is not a frequency in MHz");
    if (ClampToBand(*rx, band) != *rx)
        return f.Error("Frequency", rxText + " MHz is outside the band " + BandText(band));
    row[kColRxFreq] = FrequencyText(*rx);

    const std::string duplex = f.Get("Duplex");
    const std::string offsetText = f.Get("Offset");
    // Not snapped: an offset is the difference of two grid points.
    const auto offset = offsetText.empty()      ? std::optional<std::int64_t>(0)
                        : IsDecimal(offsetText) ? std::optional(FrequencyFromText(offsetText))
                                                : std::nullopt;
    if (!offset)
        return f.Error("Offset", Quoted(offsetText) + " is not a frequency in MHz");
    std::int64_t tx = *rx;
    if (duplex == "+") {
        tx = *rx + *offset;
    } else if (duplex == "-") {
        tx = *rx - *offset;
    } else if (SameWord(duplex, "split")) {
        tx = *offset;
    } else if (SameWord(duplex, "off")) {
        row[kColTxFreq].clear(); // receive only
        return std::nullopt;
    } else if (!duplex.empty()) {
        return f.Error("Duplex", Quoted(duplex) + " is no duplex (empty, +, -, split or off)");
    }
    if (tx > 0)
        tx = FrequencyFromText(FrequencyText(tx));
    if (tx <= 0 || ClampToBand(tx, band) != tx)
        return f.Error(duplex.empty() ? "Frequency" : "Offset",
                       "the transmit frequency " + FrequencyText(std::max<std::int64_t>(tx, 0)) +
                           " MHz is outside the band " + BandText(band));
    row[kColTxFreq] = FrequencyText(tx);
    return std::nullopt;
}

// "High" for "high": the choice of the column that the word names.
std::optional<std::string> Choice(int column, const std::string &word) {
    for (const auto &choice : ColumnChoices(column))
        if (SameWord(choice, word))
            return choice;
    return std::nullopt;
}

std::string ChoiceList(int column) {
    std::string list;
    for (const auto &choice : ColumnChoices(column))
        list.append(list.empty() ? "" : ", ").append(choice);
    return list;
}

std::optional<RowError> ReadChoices(const RowFields &f, ChannelRow &row) {
    // Missing values take what a new channel typed into the table gets.
    const auto pick = [&](const char *name, int column,
                          const std::string &fallback) -> std::optional<RowError> {
        const std::string word = f.Get(name);
        const auto choice = word.empty() ? fallback : Choice(column, word);
        if (!choice)
            return f.Error(name, Quoted(word) + " is not one of " + ChoiceList(column));
        row[static_cast<std::size_t>(column)] = *choice;
        return std::nullopt;
    };
    if (auto error = pick("Power", kColPower, ColumnChoices(kColPower)[1]))
        return error;
    const std::string skip = f.Get("Skip");
    if (!skip.empty() && !SameWord(skip, "S"))
        return f.Error("Skip", Quoted(skip) + " is no skip mark (empty or S)");
    row[kColScan] = ColumnChoices(kColScan)[skip.empty() ? 0 : 1];

    const std::string mode = f.Get("Mode");
    const std::string &analog = ColumnChoices(kColChannelType)[0];
    if (SameWord(mode, kModeWide) || SameWord(mode, kModeNarrow)) {
        const std::string type = f.Get("ChannelType");
        if (!type.empty() && !SameWord(type, analog))
            return f.Error("ChannelType", "Mode " + mode + " is an analog channel, not " + type);
        row[kColChannelType] = analog;
        row[kColBandwidth] = ColumnChoices(kColBandwidth)[SameWord(mode, kModeNarrow) ? 1 : 0];
        return std::nullopt;
    }
    if (!mode.empty() && !SameWord(mode, kModeDigital))
        return f.Error("Mode", Quoted(mode) + " is no mode (FM, NFM or DPMR)");
    if (auto error = pick("ChannelType", kColChannelType, ColumnChoices(kColChannelType)[1]))
        return error;
    if (row[kColChannelType] == analog)
        return f.Error("ChannelType", "an analog channel takes Mode FM or NFM, not DPMR");
    return pick("Bandwidth", kColBandwidth, ColumnChoices(kColBandwidth)[0]);
}

std::optional<RowError> ReadRow(const RowFields &f, const BandLimits &band, ChannelRow &row) {
    if (auto error = ReadFrequencies(f, band, row))
        return error;
    ToneCells tones;
    if (auto error = ReadTones(f, tones))
        return error;
    row[kColTxTone] = tones.tx;
    row[kColRxTone] = tones.rx;
    return ReadChoices(f, row);
}

class ImportFailure {
public:
    explicit ImportFailure(const std::string &source) : source_(source) {}
    CsvImportResult At(int line, int column, const std::string &columnName,
                       const std::string &what) const {
        std::string where = "line " + std::to_string(line);
        if (column > 0)
            where += ", column " + std::to_string(column) +
                     (columnName.empty() ? "" : " (" + columnName + ")");
        return {false, "Cannot import \"" + source_ + "\": " + where + ": " + what, 0};
    }
    CsvImportResult Whole(const std::string &what) const {
        return {false, "Cannot import \"" + source_ + "\": " + what, 0};
    }

private:
    const std::string &source_;
};

} // namespace

CsvImportResult ImportChannelsCsv(std::string_view text, const std::string &source, Image &image) {
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
    std::map<std::string, int, std::less<>> columns;
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string name = Trimmed(header.fields[i]);
        if (name.empty())
            continue;
        if (!columns.emplace(name, static_cast<int>(i) + 1).second)
            return fail.At(header.line, static_cast<int>(i) + 1, name, "the column is named twice");
    }
    for (const char *required : {"Location", "Frequency"})
        if (!columns.count(required))
            return fail.At(header.line, 0, "",
                           std::string("the header has no ") + required + " column");
    const auto nameOf = [&](int column) {
        return column > 0 ? Trimmed(header.fields[static_cast<std::size_t>(column - 1)]) : "";
    };

    Image result = image;
    BandLimits band;
    ChannelTable table;
    LoadChannelTable(result, band, table);
    std::map<int, int> lineOfLocation;
    for (std::size_t r = 1; r < parsed.rows.size(); ++r) {
        const CsvRow &row = parsed.rows[r];
        if (row.fields.size() != header.fields.size())
            return fail.At(row.line, 0, "",
                           std::to_string(row.fields.size()) + " fields where the header has " +
                               std::to_string(header.fields.size()));
        const RowFields fields(columns, row);
        const std::string location = fields.Get("Location");
        const int locationColumn = fields.Index("Location");
        const long n =
            IsDecimal(location) && location.find('.') == std::string::npos && location.size() <= 3
                ? std::strtol(location.c_str(), nullptr, 10)
                : 0;
        if (n < 1 || n > kChannelCount)
            return fail.At(row.line, locationColumn, "Location",
                           Quoted(location) + " is no channel (1 to " +
                               std::to_string(kChannelCount) + ")");
        const auto [previous, fresh] = lineOfLocation.emplace(static_cast<int>(n), row.line);
        if (!fresh)
            return fail.At(row.line, locationColumn, "Location",
                           "channel " + location + " is already on line " +
                               std::to_string(previous->second));

        ChannelRow &cells = table.rows[static_cast<std::size_t>(n - 1)];
        if (fields.Get("Frequency").empty()) {
            // The channel is deleted, at once as in the table: a row that already showed
            // empty (a frequency no text can store) would otherwise keep its bytes.
            std::fill(cells.begin(), cells.end(), std::string());
            ClearChannel(result, static_cast<int>(n));
        } else if (const auto error = ReadRow(fields, band, cells)) {
            return fail.At(row.line, error->column, nameOf(error->column), error->what);
        }
        if (fields.Index("Name") > 0) {
            const std::string name = fields.Get("Name");
            WriteAlias(result, static_cast<int>(n), name);
            if (ReadAlias(result, static_cast<int>(n)) != name)
                return fail.At(row.line, fields.Index("Name"), "Name",
                               Quoted(name) + " does not fit: at most " +
                                   std::to_string(kAliasLength) + " printable ASCII characters");
        }
    }
    StoreChannelTable(table, result, band);
    image = result;
    return {true, {}, static_cast<int>(lineOfLocation.size())};
}

CsvImportResult ImportChannelsCsvFile(const std::string &path, Image &image) {
    const ImportFailure fail(path);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return fail.Whole(std::strerror(errno));
    if (S_ISDIR(info.st_mode))
        return fail.Whole(std::strerror(EISDIR));
    if (static_cast<std::size_t>(info.st_size) > kMaxChannelCsvSize)
        return fail.Whole("the file holds " + std::to_string(info.st_size) +
                          " bytes; a channel list is at most " +
                          std::to_string(kMaxChannelCsvSize));
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail.Whole(std::strerror(errno));
    std::string text(static_cast<std::size_t>(info.st_size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.gcount() != static_cast<std::streamsize>(text.size()))
        return fail.Whole("the file could not be read whole");
    return ImportChannelsCsv(text, path, image);
}

} // namespace dpmr
