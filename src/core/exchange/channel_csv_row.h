#pragma once
// One data row of a channel list read with the format's meaning (README.md, "CSV channel
// lists"): frequencies with their duplex, the tone modes, Mode, Power in watts, Skip, Name. The
// result is table cells, or why the row is malformed (the whole text is refused) or does not
// fit this radio (the row is skipped).

#include "core/channels/channel_table.h"
#include "core/image/band_limits.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dpmr::csv {

using ColumnMap = std::map<std::string, int, std::less<>>; // name -> 1-based column

// The fields of one data row by column name; a column the header lacks reads as empty.
class RowFields {
public:
    RowFields(const ColumnMap &columns, const std::vector<std::string> &fields)
        : columns_(columns), fields_(fields) {}
    // Trimmed of spaces and tabs, except for the Name, whose spaces are part of it.
    std::string Get(std::string_view name) const;
    bool Has(std::string_view name) const { return Index(name) > 0; }
    int Index(std::string_view name) const;

private:
    const ColumnMap &columns_;
    const std::vector<std::string> &fields_;
};

enum class RowFit { Fits, Unfit, Malformed };

struct RowReading {
    RowFit fit = RowFit::Fits;
    std::string column; // the column at fault; empty for the row as a whole
    std::string what;
    ChannelRow cells{};              // table cells; all empty when the row deletes its channel
    std::optional<std::string> name; // the alias to write, when the text has a Name column
    std::vector<std::string> notes;  // applied with a change: a name cut
};

// Location as a number: nullopt when it is no whole number (malformed).
std::optional<long> ParseLocation(std::string_view text);

// Without the spaces and tabs around it.
std::string Trimmed(std::string_view text);

RowReading ReadChannelRow(const RowFields &fields, const BandLimits &band);

// What the export writes in Power: the level's nominal watts, "5.0W" or "1.0W".
std::string PowerWattsText(bool high);

} // namespace dpmr::csv
